// What a dialog template in the program's resources says about its window and each of
// its controls, read without creating the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/child_control.h"

namespace kalv::win32 {

struct TemplateControl {
  int id = 0;
  ControlKind kind = ControlKind::Other;
  std::uint32_t style = 0;
  // How it follows a resizable window (KALV_GROW_RIGHT, ...): its help id.
  std::uint32_t anchor = 0;
  // The initial text; nothing when the template names a resource (a picture) instead.
  std::optional<std::string> text;
};

struct DialogTemplate {
  std::uint32_t style = 0;
  int width = 0, height = 0;  // in dialog units
  std::string caption;
  std::vector<TemplateControl> controls;
  const TemplateControl* Find(int id) const;
};

// The extended template templateId of this program; nothing when there is none.
std::optional<DialogTemplate> ReadDialogTemplate(int templateId);

}  // namespace kalv::win32
