// The installer's package description over text of the fuzzer's making (sections, values,
// registry lines, digits of other scripts, stray separators, any line ends): a description
// that is accepted is complete, its names are plain, and written out again it reads back the
// same; a registry value written at the end holds exactly the number or bytes written.
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "standins/installer/package_description.h"
#include "standins/installer/text_lines.h"
#include "tests/fuzz/fuzz_target.h"

namespace installer {
namespace {

using fuzz::Check;

constexpr const wchar_t* kPieces[] = {
    L"[Package]\r\n", L"[Registry]\r\n", L"Name = Lectavo\n", L"DefaultFolder = \\Lectavo\n",
    L"Setup = Lectavo_Setup.dll\n", L"SOFTWARE\\Lectavo | Val | REG_DWORD | ", L" | ",
    L"REG_SZ", L"REG_BINARY", L"REG_DWORD", L"0x", L"0X", L"=", L"|", L"\\", L";", L"[", L"]",
    L" ", L"\t", L"\r", L"\n", L"\r\n", L"4294967295", L"4294967296", L"0a FF", L"7",
    L"\x0660", L"\xFF10", L"\xFF21", L"\x00B2", L"\xD800", L"\xFEFF", L"/", L":", L"\"", L"?",
    L"[Files]\n", L"VoiceCommand\\GER_W.WAV\n", L"..", L"Lectavo_Today.dll\n"};

// Pieces of a description, and now and then a character of any kind (the file's text is
// UTF-16 on the device, without zeros).
std::wstring ConsumeText(FuzzedDataProvider& input) {
  std::wstring text;
  const auto count = input.ConsumeIntegralInRange(0, 60);
  for (int i = 0; i < count && input.remaining_bytes() > 0; ++i) {
    const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kPieces));
    if (pick < std::size(kPieces)) {
      text += kPieces[pick];
    } else {
      const auto unit = input.ConsumeIntegral<std::uint16_t>();
      text += static_cast<wchar_t>(unit == 0 ? L'x' : unit);
    }
  }
  return text;
}

const wchar_t* TypeName(std::uint32_t type) {
  return type == kRegSz ? L"REG_SZ" : type == kRegDword ? L"REG_DWORD" : L"REG_BINARY";
}

std::wstring Hex(unsigned value, int digits) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%0*X", digits, value);
  return text;
}

// The description as its own file would state it.
std::vector<std::wstring> Written(const PackageDescription& description) {
  std::vector<std::wstring> lines = {L"[Package]", L"Name = " + description.name,
                                     L"DefaultFolder = " + description.defaultFolder,
                                     L"Setup = " + description.setupLibrary, L"[Registry]"};
  for (const RegistryEntry& entry : description.registry) {
    std::wstring data;
    if (entry.type == kRegSz) {
      data = reinterpret_cast<const wchar_t*>(entry.data.data());
    } else if (entry.type == kRegDword) {
      unsigned value = 0;
      for (int i = 3; i >= 0; --i) value = value * 256 + entry.data[static_cast<std::size_t>(i)];
      data = L"0x" + Hex(value, 8);
    } else {
      for (std::uint8_t byte : entry.data) data += Hex(byte, 2) + L" ";
    }
    lines.push_back(entry.key + L" | " + entry.name + L" | " + TypeName(entry.type) + L" | " +
                    data);
  }
  lines.push_back(L"[Files]");
  lines.insert(lines.end(), description.files.begin(), description.files.end());
  return lines;
}

bool Plain(const std::wstring& name) {
  return !name.empty() && name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

bool Trimmed(const std::wstring& text) {
  return text.empty() || (text.front() != L' ' && text.front() != L'\t' && text.back() != L' ' &&
                          text.back() != L'\t');
}

void CheckSame(const PackageDescription& a, const PackageDescription& b) {
  Check(a.name == b.name && a.defaultFolder == b.defaultFolder &&
        a.setupLibrary == b.setupLibrary && a.registry.size() == b.registry.size() &&
        a.files == b.files);
  for (std::size_t i = 0; i < a.registry.size(); ++i) {
    const RegistryEntry& x = a.registry[i];
    const RegistryEntry& y = b.registry[i];
    Check(x.key == y.key && x.name == y.name && x.type == y.type && x.data == y.data);
  }
}

}  // namespace
}  // namespace installer

void FuzzOne(FuzzedDataProvider& input) {
  using namespace installer;
  std::wstring text = ConsumeText(input);

  // A last value whose bytes are known, in decimal, in hex or as bytes.
  std::vector<std::uint8_t> known;
  if (input.ConsumeBool()) {
    const auto value = input.ConsumeIntegral<std::uint32_t>();
    const bool hex = input.ConsumeBool();
    text += L"\n[Registry]\nKey | Known | REG_DWORD | " +
            (hex ? L"0x" + Hex(value, 1) : std::to_wstring(value)) + L"\n";
    for (int shift = 0; shift < 32; shift += 8) known.push_back(static_cast<std::uint8_t>(value >> shift));
  } else {
    known = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 8));
    text += L"\n[Registry]\nKey | Known | REG_BINARY |";
    for (std::uint8_t byte : known) text += L" " + Hex(byte, 2);
    text += L"\n";
  }

  const std::vector<std::wstring> lines = TextLines(text);
  std::size_t breaks = 0;
  for (wchar_t c : text) breaks += c == L'\n';
  Check(lines.size() == breaks);
  for (const std::wstring& line : lines) Check(line.find(L'\n') == std::wstring::npos);

  const std::wstring path = L"\\Package\\Package.ini";
  PackageDescription description;
  std::wstring error;
  if (!ParsePackageDescription(path, lines, description, error)) {
    Check(error.starts_with(path) && error.size() > path.size());
    return;
  }
  Check(error.empty());
  Check(Plain(description.name) && Plain(description.setupLibrary) &&
        !description.defaultFolder.empty());
  Check(Trimmed(description.name) && Trimmed(description.defaultFolder) &&
        Trimmed(description.setupLibrary));
  Check(!description.registry.empty() && description.registry.back().data == known);
  for (const RegistryEntry& entry : description.registry) {
    Check(!entry.key.empty() && entry.key.front() != L'\\' && entry.key.back() != L'\\');
    if (entry.type == kRegSz) {
      Check(entry.data.size() % sizeof(wchar_t) == 0 && entry.data.size() >= sizeof(wchar_t));
      Check(reinterpret_cast<const wchar_t*>(entry.data.data())[entry.data.size() / sizeof(wchar_t) - 1] == 0);
    } else {
      Check(entry.type == kRegDword ? entry.data.size() == 4 : entry.type == kRegBinary);
    }
  }
  // A listed file is a path of plain names below the package folder; it is missing exactly
  // when the package does not hold it, letter case aside.
  const auto folded = [](std::wstring text) {
    for (wchar_t& c : text) c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
    return text;
  };
  for (const std::wstring& file : description.files) {
    Check(Trimmed(file) && file.front() != L'\\' && file.back() != L'\\');
    Check(file.find(L"\\\\") == std::wstring::npos && file.find_first_of(L"/:*?\"<>|") == std::wstring::npos);
  }
  Check(MissingFiles(description, description.files).empty());
  if (!description.files.empty()) {
    std::vector<std::wstring> held;
    for (const std::wstring& file : description.files) {
      if (folded(file) != folded(description.files.front())) held.push_back(folded(file));
    }
    const auto missing = MissingFiles(description, held);
    Check(!missing.empty() && missing.front() == description.files.front());
  }
  PackageDescription again;
  Check(ParsePackageDescription(path, Written(description), again, error));
  CheckSame(description, again);
}
