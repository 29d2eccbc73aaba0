// The --report file, streamed under a temporary name and renamed into place.
#include "exporter/reportfile.h"

#include <cstdio>

#include "exporter/options.h"

namespace {
// JSON's form of a string, with its quotes.
std::string JSONString(const std::string &text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else out += static_cast<char>(c);
  }
  return out + "\"";
}

// CSV's form of a field, quoted.
std::string CSVField(const std::string &text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}
}  // namespace

bool ReportFile::Open(const std::string &path, std::string *why) {
  json_ = !IsCSVReport(path);
  if (!file_.Open(path, why)) return false;
  open_ = true;
  file_.Write(json_ ? "[" : "input,output,fen,errors,warnings,lines,written,failure,line\n");
  return true;
}

void ReportFile::Add(const Row &row) {
  if (!open_) return;
  // The check's lines: its report without the summary at the end.
  const std::string &report = row.report;
  std::string text;
  if (json_) {
    text = rows_ ? ",\n" : "\n";
    text += "{\"input\": " + JSONString(row.input) + ", \"output\": " + JSONString(row.output) +
            ", \"fen\": " + JSONString(row.fen) + ", \"errors\": " + std::to_string(row.errors) +
            ", \"warnings\": " + std::to_string(row.warnings) + ", \"lines\": [";
    for (size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos; at = end + 1)
      text += (at ? ", " : "") + JSONString(report.substr(at, end - at));
    text += std::string("], \"written\": ") + (row.written ? "true" : "false") +
            ", \"failure\": " + (row.failure.empty() ? "null" : JSONString(row.failure)) +
            ", \"line\": " + JSONString(row.line) + "}";
  } else {
    size_t last = report.rfind('\n');
    std::string lines = last == std::string::npos ? "" : report.substr(0, last);
    text = CSVField(row.input) + "," + CSVField(row.output) + "," + CSVField(row.fen) + "," +
           std::to_string(row.errors) + "," + std::to_string(row.warnings) + "," +
           CSVField(lines) + "," + (row.written ? "yes" : "no") + "," + CSVField(row.failure) + "," +
           CSVField(row.line) + "\n";
  }
  file_.Write(text);
  rows_++;
}

bool ReportFile::Close(std::string *why) {
  if (!open_) {
    *why = "it was never opened";
    return false;
  }
  open_ = false;
  if (json_) file_.Write(rows_ ? "\n]\n" : "]\n");
  return file_.Commit(why);
}
