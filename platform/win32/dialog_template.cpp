#include "platform/win32/dialog_template.h"

#include <cstring>

#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

// Reads the fields of a DLGTEMPLATEEX in order; every read checks the resource's size.
class Reader {
 public:
  Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }

  template <typename T>
  T Get() {
    T value{};
    if (at_ + sizeof(T) > size_) {
      ok_ = false;
      return value;
    }
    std::memcpy(&value, data_ + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  void Skip(std::size_t bytes) { Seek(at_ + bytes); }
  void AlignTo(std::size_t unit) { Seek((at_ + unit - 1) / unit * unit); }

  // A string, or an ordinal (0xFFFF and a number), or nothing (a single 0).
  std::optional<std::string> TextOrOrdinal(WORD* ordinal = nullptr) {
    const WORD first = Get<WORD>();
    if (first == 0xFFFF) {
      const WORD number = Get<WORD>();
      if (ordinal) *ordinal = number;
      return std::nullopt;
    }
    std::wstring text;
    for (WORD c = first; ok_ && c != 0; c = Get<WORD>()) text += static_cast<wchar_t>(c);
    return Utf8(text);
  }

 private:
  void Seek(std::size_t to) {
    if (to > size_) ok_ = false;
    at_ = to;
  }
  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// The predefined classes by their atoms, the others by name.
ControlKind KindOfClass(const std::optional<std::string>& name, WORD atom) {
  if (!name) {
    switch (atom) {
      case 0x0080: return ControlKind::Button;
      case 0x0081: return ControlKind::Edit;
      case 0x0082: return ControlKind::Static;
      case 0x0083: return ControlKind::ListBox;
      case 0x0085: return ControlKind::ComboBox;
      default: return ControlKind::Other;
    }
  }
  return KindOfClassName(Wide(*name).c_str());
}

}  // namespace

const TemplateControl* DialogTemplate::Find(int id) const {
  for (const TemplateControl& control : controls)
    if (control.id == id) return &control;
  return nullptr;
}

std::optional<DialogTemplate> ReadDialogTemplate(int templateId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::nullopt;
  Reader in(static_cast<const unsigned char*>(data), SizeofResource(module, found));

  DialogTemplate dialog;
  in.Get<WORD>();                                     // version
  if (in.Get<WORD>() != 0xFFFF) return std::nullopt;  // only extended templates
  in.Get<DWORD>();                                    // help id
  in.Get<DWORD>();                                    // extended style
  dialog.style = in.Get<DWORD>();
  const WORD count = in.Get<WORD>();
  in.Skip(2 * sizeof(short));  // x, y
  dialog.width = in.Get<short>();
  dialog.height = in.Get<short>();
  in.TextOrOrdinal();  // menu
  in.TextOrOrdinal();  // class
  dialog.caption = in.TextOrOrdinal().value_or("");
  if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
    in.Skip(2 * sizeof(WORD) + 2);  // size, weight, italic, character set
    in.TextOrOrdinal();             // typeface
  }
  for (WORD i = 0; i < count && in.ok(); ++i) {
    in.AlignTo(sizeof(DWORD));
    TemplateControl control;
    control.anchor = in.Get<DWORD>();
    in.Get<DWORD>();  // extended style
    control.style = in.Get<DWORD>();
    in.Skip(4 * sizeof(short));
    control.id = static_cast<int>(in.Get<DWORD>());
    WORD atom = 0;
    const std::optional<std::string> className = in.TextOrOrdinal(&atom);
    control.kind = KindOfClass(className, atom);
    control.text = in.TextOrOrdinal();
    in.Skip(in.Get<WORD>());  // creation data
    dialog.controls.push_back(control);
  }
  if (!in.ok()) return std::nullopt;
  return dialog;
}

}  // namespace kalv::win32
