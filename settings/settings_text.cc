#include "settings/settings_text.h"

#include "engine/text_encoding.h"

namespace zum {

Status OpenSettingsText(const std::string& path, LineReader* in, size_t limit,
                        LongFile long_file) {
  ZUM_RETURN_IF_ERROR(in->Open(path));
  std::string bytes;
  const bool whole = in->ReadUpTo(limit, &bytes);
  ZUM_RETURN_IF_ERROR(in->status());
  if (!whole && long_file == LongFile::kRefused) {
    return Status::InFile(path, "larger than " + std::to_string(limit) +
                                    " bytes, more than a settings file holds");
  }
  in->OpenText(path, SettingsTextToUtf8(bytes));
  return Status::OK();
}

}  // namespace zum
