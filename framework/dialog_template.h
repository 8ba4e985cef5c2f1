// A dialog template, defined once and built by both backends: identifier, styles, caption,
// size in dialog units, font, and the controls with their German texts and initial items.
#pragma once

#include <cstdint>
#include <span>

#include "platform/types.h"

namespace lectavo {

enum class ControlKind { kButton, kEdit, kStatic, kListBox, kComboBox };

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::uint32_t style;  // WS_CHILD | WS_VISIBLE are added by the backends
  const WChar* text;
  std::int16_t x, y, cx, cy;  // dialog units
  // Put into a combo or list box when the window is created, before its initialisation.
  std::span<const WChar* const> items = {};
};

struct DialogTemplate {
  int id;
  std::uint32_t style;
  std::uint32_t exStyle;
  const WChar* caption;
  std::int16_t cx, cy;  // dialog units
  std::span<const ControlTemplate> controls;
  const WChar* font = u"System";
  std::int16_t pointSize = 8;
};

}  // namespace lectavo
