/* A stand-in for the BGL compiler in the Windows smoke test: an 8-bit
   program, as the real one is. It takes its arguments as such a program
   does (main's argv, in the ANSI code page), prints them one a line as
   "[ARG]", opens the last one with fopen and reports "opened NAME: N
   bytes", or "cannot open NAME"; then opens the file that its include line
   names as the real compiler would ("include NAME: N bytes", or "cannot
   open include NAME"). The same report goes to the
   file named by the environment variable ZUM_STANDIN_REPORT, when set. It
   exits with 0 when it could open both files, else 3. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Opens NAME and puts its size into *SIZE; 0 when it cannot. */
static int SizeOf(const char* name, long* size) {
  FILE* file = fopen(name, "rb");
  if (file == NULL) {
    return 0;
  }
  fseek(file, 0, SEEK_END);
  *size = ftell(file);
  fclose(file);
  return 1;
}

static void Report(FILE* report, const char* text) {
  fputs(text, stdout);
  if (report != NULL) {
    fputs(text, report);
  }
}

int main(int argc, char** argv) {
  const char* report_name = getenv("ZUM_STANDIN_REPORT");
  FILE* report = report_name != NULL ? fopen(report_name, "wb") : NULL;
  char line[8192];
  for (int i = 0; i < argc; ++i) {
    snprintf(line, sizeof line, "[%s]\r\n", argv[i]);
    Report(report, line);
  }
  int status = 3;
  if (argc > 1) {
    const char* name = argv[argc - 1];
    FILE* file = fopen(name, "rb");
    long size = 0;
    if (file == NULL || !SizeOf(name, &size)) {
      snprintf(line, sizeof line, "cannot open %s\r\n", name);
      Report(report, line);
    } else {
      snprintf(line, sizeof line, "opened %s: %ld bytes\r\n", name, size);
      Report(report, line);
      char text[4096];
      char included[4096] = "";
      while (included[0] == '\0' && fgets(text, sizeof text, file) != NULL) {
        text[strcspn(text, "\r\n")] = '\0';
        if (strncmp(text, "include ", 8) == 0) {
          snprintf(included, sizeof included, "%s", text + 8);
        }
      }
      if (included[0] != '\0' && SizeOf(included, &size)) {
        snprintf(line, sizeof line, "include %s: %ld bytes\r\n", included,
                 size);
        status = 0;
      } else {
        snprintf(line, sizeof line, "cannot open include %s\r\n", included);
      }
      Report(report, line);
    }
    if (file != NULL) {
      fclose(file);
    }
  }
  if (report != NULL) {
    fclose(report);
  }
  return status;
}
