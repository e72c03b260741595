// The value names of the settings store, exactly as they are stored.
#pragma once

namespace kalv::setting {

constexpr const char* kLanguage = "Language";
constexpr const char* kPath = "Path";
constexpr const char* kFirstTimeRun = "First Time Run";
constexpr const char* kQ3APath = "Quake 3 Arena Path";
constexpr const char* kHLPath = "Half-Life Path";
constexpr const char* kSTVEFPath = "StarTrek Voyager Elite Force Path";
constexpr const char* kQ1Path = "Quake 1 Path";
constexpr const char* kQ2Path = "Quake 2 Path";
constexpr const char* kUTPath = "Unreal Tournament Path";
constexpr const char* kQ1Executable = "Quake 1 Executible";
constexpr const char* kModification = "Modification";
constexpr const char* kModificationOption = "ModificationOption";
constexpr const char* kModificationSTVEF = "ModificationSTVEF";
constexpr const char* kModificationOptionSTVEF = "ModificationOptionSTVEF";
constexpr const char* kUTNoFrameCap = "Unreal Tournament - No Frame Cap";
constexpr const char* kUTTimeBased = "Unreal Tournament - Time Based";
constexpr const char* kUTThirdPerson = "Unreal Tournament - 3rd Person";

// The demo library's own, beside the table below: its last folder, whether it looks into
// subfolders ("1"), and its columns' widths in dialog units ("110,70,...").
constexpr const char* kDemoFolder = "Demo Library Folder";
constexpr const char* kDemoSubfolders = "Demo Library Subfolders";
constexpr const char* kDemoColumns = "Demo Library Columns";

// Every key of the store, in the order of the settings table.
constexpr const char* kAll[] = {
    kLanguage,
    kPath,
    kFirstTimeRun,
    kQ3APath,
    kHLPath,
    kSTVEFPath,
    kQ1Path,
    kQ2Path,
    kUTPath,
    kQ1Executable,
    kModification,
    kModificationOption,
    kModificationSTVEF,
    kModificationOptionSTVEF,
    kUTNoFrameCap,
    kUTTimeBased,
    kUTThirdPerson,
};

}  // namespace kalv::setting
