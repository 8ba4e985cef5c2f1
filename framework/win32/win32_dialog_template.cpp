#include "framework/win32/win32_dialog_template.h"

#include <cstring>

#include "framework/window_messages.h"

namespace lectavo {
namespace {

WORD ClassAtom(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return 0x0080;
    case ControlKind::kEdit:
      return 0x0081;
    case ControlKind::kStatic:
      return 0x0082;
    case ControlKind::kListBox:
      return 0x0083;
    case ControlKind::kComboBox:
      return 0x0085;
  }
  return 0x0082;
}

bool TakesFocus(const ControlTemplate& control) {
  if (control.kind == ControlKind::kStatic) return false;
  return control.kind != ControlKind::kButton || (control.style & kBsTypeMask) != kBsGroupBox;
}

// A DLGTEMPLATEEX in memory, DWORD-aligned as the dialog manager requires.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const WChar* text) {
    for (; text != nullptr && *text != 0; ++text) Word(*text);
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<DWORD> Finish() {
    AlignToDword();
    std::vector<DWORD> memory(words_.size() / 2);
    std::memcpy(memory.data(), words_.data(), words_.size() * sizeof(WORD));
    return memory;
  }

 private:
  std::vector<WORD> words_;
};

}  // namespace

std::vector<DWORD> BuildTemplate(const DialogTemplate& t, bool child) {
  DWORD style = t.style | DS_SETFONT;
  // Pages lie inside the main dialog: Tab and Enter work across both.
  if (child) style = (style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | DS_CONTROL;
  TemplateWriter w;
  w.Word(1);
  w.Word(0xFFFF);
  w.Dword(0);
  w.Dword(t.exStyle & ~kWsExCaptionOkButton);  // a real OK button stands in for it
  w.Dword(style);
  w.Word(static_cast<WORD>(t.controls.size()));
  w.Word(0);
  w.Word(0);
  w.Word(static_cast<WORD>(t.cx));
  w.Word(static_cast<WORD>(t.cy));
  w.Word(0);  // no menu
  w.Word(0);  // the dialog class
  w.Text(t.caption);
  w.Word(static_cast<WORD>(t.pointSize));
  w.Word(FW_NORMAL);
  w.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
  w.Text(t.font);
  for (const ControlTemplate& c : t.controls) {
    w.AlignToDword();
    w.Dword(0);
    w.Dword(0);
    w.Dword(c.style | WS_CHILD | WS_VISIBLE | (TakesFocus(c) ? WS_TABSTOP : 0));
    w.Word(static_cast<WORD>(c.x));
    w.Word(static_cast<WORD>(c.y));
    w.Word(static_cast<WORD>(c.cx));
    w.Word(static_cast<WORD>(c.cy));
    w.Dword(static_cast<DWORD>(c.id));
    w.Word(0xFFFF);
    w.Word(ClassAtom(c.kind));
    w.Text(c.text);
    w.Word(0);
  }
  return w.Finish();
}

}  // namespace lectavo
