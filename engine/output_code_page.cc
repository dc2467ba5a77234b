#include "engine/output_code_page.h"

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/text_encoding.h"

namespace zum {
namespace {

std::string Lacks(const OutputCodePage& code_page) {
  return "holds characters that the ANSI code page " + code_page.name +
         ", in which bglc_9.exe reads it, lacks";
}

Status FitText(const OutputCodePage& code_page, std::string* text) {
  std::string bytes;
  if (!code_page.convert(*text, &bytes)) {
    return Status::Error("the text " + Quoted(*text) + " " + Lacks(code_page) +
                         "; type it in letters of that code page");
  }
  *text = std::move(bytes);
  return Status::OK();
}

Status FitCondition(const OutputCodePage& code_page, ConditionSpec* c) {
  for (std::string* text :
       {&c->Variable, &c->Minimum, &c->Maximum, &c->BoxXMin, &c->BoxXMax,
        &c->BoxYMin, &c->BoxYMax, &c->BoxZMin, &c->BoxZMax, &c->Rotation}) {
    ZUM_RETURN_IF_ERROR(FitText(code_page, text));
  }
  return Status::OK();
}

}  // namespace

OutputCodePage SystemOutputCodePage() {
#ifdef _WIN32
  return {&Utf8ToAnsi, AnsiCodePageName()};
#else
  return {};
#endif
}

Status FitNameToCodePage(const std::string& name,
                         const OutputCodePage& code_page, FileSystem* fs,
                         std::string* fitted) {
  std::string bytes;
  if (code_page.convert == nullptr || code_page.convert(name, &bytes)) {
    *fitted = name;
    return Status::OK();
  }
  int error = 0;
  FileInfo info;
  std::string short_name;
  const bool exists =
      fs->Stat(name, &info, &error) && info.type != FileType::kMissing;
  if (exists && fs->ShortName(name, &short_name, &error) &&
      code_page.convert(short_name, &bytes)) {
    *fitted = short_name;
    return Status::OK();
  }
  // A folder is to blame, the name's own or the one it lies in.
  const bool is_folder = exists && info.type == FileType::kDirectory;
  const size_t start = is_folder ? name.size() : FileNameStart(name);
  const std::string folder = is_folder ? name : FolderOf(name);
  const std::string file_name = name.substr(start);
  std::string short_folder;
  error = 0;
  if (!fs->ShortName(folder, &short_folder, &error)) {
    return Status::InFile(folder, "the folder's name " + Lacks(code_page) +
                                      ", and its short 8.3 name cannot be "
                                      "had (" +
                                      ErrorText(error) + ")");
  }
  if (!code_page.convert(short_folder, &bytes)) {
    return Status::InFile(
        folder, "the folder's name " + Lacks(code_page) +
                    ", and the volume keeps no short 8.3 name for it; use a "
                    "folder whose name the code page can write");
  }
  if (!code_page.convert(file_name, &bytes)) {
    return Status::InFile(name, "the file name " + Lacks(code_page) +
                                    "; choose a name that the code page can "
                                    "write");
  }
  // The folder's own separator joins it to the file name.
  *fitted = short_folder +
            (start > 0 && start - 1 >= folder.size() ? name.substr(start - 1, 1)
                                                     : std::string()) +
            file_name;
  return Status::OK();
}

Status FitJobToCodePage(const OutputCodePage& code_page, FileSystem* fs,
                        JobSettings* job) {
  if (code_page.convert == nullptr) {
    return Status::OK();
  }
  ZUM_RETURN_IF_ERROR(FitCondition(code_page, &job->AnimationCondition));
  ZUM_RETURN_IF_ERROR(FitCondition(code_page, &job->AdditionalCondition));
  ZUM_RETURN_IF_ERROR(FitCondition(code_page, &job->Trigger));
  ZUM_RETURN_IF_ERROR(FitText(code_page, &job->SecondaryVariable));
  for (int a = 1; a <= kMaxAnimations; ++a) {
    ZUM_RETURN_IF_ERROR(FitText(code_page, &job->SecondaryMin[a]));
    ZUM_RETURN_IF_ERROR(FitText(code_page, &job->SecondaryMax[a]));
  }
  std::string companion;
  std::string err;
  if (!IncludedFileName(job->OutputFile, &companion, &err)) {
    return Status::Error("output file: " + err);
  }
  std::string include = job->IncludeName.empty() ? companion : job->IncludeName;
  std::string bytes;
  if (!code_page.convert(include, &bytes)) {
    ZUM_RETURN_IF_ERROR(FitNameToCodePage(companion, code_page, fs, &include));
    code_page.convert(include, &bytes);
  }
  job->IncludeName = std::move(bytes);
  return Status::OK();
}

}  // namespace zum
