#include "settings/relative_names.h"

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/utf8_path.h"

namespace zum {
namespace {

bool IsSeparator(char c, PathStyle style) {
  return c == '/' || (style == PathStyle::kWindows && c == '\\');
}

char Separator(PathStyle style) {
  return style == PathStyle::kWindows ? '\\' : '/';
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetter(char a, char b, PathStyle style) {
  if (style == PathStyle::kPosix) {
    return a == b;
  }
  if (IsSeparator(a, style) && IsSeparator(b, style)) {
    return true;
  }
  return LowerAscii(a) == LowerAscii(b);
}

// Length of NAME's root ("C:\", "\\server\share\", "/"), which ".." never
// climbs above.
size_t RootLength(std::string_view name, PathStyle style) {
  if (style == PathStyle::kPosix) {
    return !name.empty() && name[0] == '/' ? 1 : 0;
  }
  if (name.size() >= 2 && name[1] == ':') {
    return name.size() >= 3 && IsSeparator(name[2], style) ? 3 : 2;
  }
  if (name.size() >= 2 && IsSeparator(name[0], style) &&
      IsSeparator(name[1], style)) {
    // "\\server\share\": the server and the share belong to the root.
    size_t pos = 2;
    for (int part = 0; part < 2 && pos < name.size(); ++part) {
      while (pos < name.size() && !IsSeparator(name[pos], style)) {
        ++pos;
      }
      if (pos < name.size()) {
        ++pos;
      }
    }
    return pos;
  }
  return !name.empty() && IsSeparator(name[0], style) ? 1 : 0;
}

// NAME's parts after its root, "." parts dropped and, on Windows, ".."
// parts taken away with the part before them.
std::string Normalised(std::string_view name, PathStyle style) {
  const size_t root = RootLength(name, style);
  std::vector<std::string_view> parts;
  size_t pos = root;
  while (pos <= name.size()) {
    size_t end = pos;
    while (end < name.size() && !IsSeparator(name[end], style)) {
      ++end;
    }
    const std::string_view part = name.substr(pos, end - pos);
    if (part == "." || (part.empty() && end < name.size())) {
      // Nothing: "a/./b" and "a//b" are "a/b".
    } else if (part == ".." && style == PathStyle::kWindows) {
      if (!parts.empty()) {
        parts.pop_back();
      }
    } else if (!part.empty() || end == name.size()) {
      parts.push_back(part);
    }
    pos = end + 1;
  }
  std::string out = NativeSeparators(name.substr(0, root), style);
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      out += Separator(style);
    }
    out += parts[i];
  }
  return out;
}

bool IsFileNameLine(const SettingsSlot& slot) {
  return slot.field == SettingsField::kTxtFileOut ||
         slot.field == SettingsField::kInputFile;
}

}  // namespace

std::string NativeSeparators(std::string_view name, PathStyle style) {
  std::string out(name);
  if (style == PathStyle::kWindows) {
    for (char& c : out) {
      if (c == '/') {
        c = '\\';
      }
    }
  }
  return out;
}

bool IsFullName(std::string_view name, PathStyle style) {
  return RootLength(name, style) > 0;
}

std::string ResolveRelativeName(std::string_view folder, std::string_view name,
                                PathStyle style) {
  if (name.empty() || IsFullName(name, style)) {
    return NativeSeparators(name, style);
  }
  std::string joined(folder);
  if (!joined.empty() && !IsSeparator(joined.back(), style)) {
    joined += Separator(style);
  }
  joined += name;
  return Normalised(joined, style);
}

std::string NameRelativeToFolder(std::string_view folder, std::string_view name,
                                 PathStyle style) {
  while (folder.size() > RootLength(folder, style) &&
         IsSeparator(folder.back(), style)) {
    folder.remove_suffix(1);
  }
  if (folder.empty() || name.size() <= folder.size() + 1) {
    return std::string(name);
  }
  for (size_t i = 0; i < folder.size(); ++i) {
    if (!SameLetter(folder[i], name[i], style)) {
      return std::string(name);
    }
  }
  // The folder's own name must end where NAME's next part begins:
  // "C:\proj" holds "C:\proj\gate.asm", not "C:\project\gate.asm".
  const bool at_root = IsSeparator(folder.back(), style);
  if (!at_root && !IsSeparator(name[folder.size()], style)) {
    return std::string(name);
  }
  return std::string(name.substr(folder.size() + (at_root ? 0 : 1)));
}

std::string SettingsFolder(const std::string& path) {
  return NativeSeparators(FolderOf(AbsoluteName(path)));
}

void ResolveRecordNames(const std::string& folder, SettingsRecord* record) {
  for (int line = 1; line <= kSettingsLines; ++line) {
    const SettingsSlot& slot = SettingsLineSlot(line);
    if (IsFileNameLine(slot)) {
      std::string& text = SlotText(*record, slot);
      text = ResolveRelativeName(folder, text);
    }
  }
}

void ResolveJobNames(const std::string& folder, JobSettings* job) {
  for (std::string& input : job->InputFile) {
    input = ResolveRelativeName(folder, input);
  }
  const std::string& output = job->OutputFile;
  std::string companion;
  std::string err;
  if (!output.empty() && !IsFullName(output) &&
      IncludedFileName(NativeSeparators(output), &companion, &err)) {
    job->IncludeName = companion;
  }
  job->OutputFile = ResolveRelativeName(folder, output);
}

SettingsRecord RecordForFolder(const std::string& folder,
                               SettingsRecord record) {
  for (int line = 1; line <= kSettingsLines; ++line) {
    const SettingsSlot& slot = SettingsLineSlot(line);
    if (IsFileNameLine(slot)) {
      std::string& text = SlotText(record, slot);
      text = NameRelativeToFolder(folder, text);
    }
  }
  return record;
}

}  // namespace zum
