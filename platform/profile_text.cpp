#include "profile_text.h"

#include <vector>

namespace velmora {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// One line of the file: its bytes as they stand, terminator included.
struct Line {
  std::string_view bytes;

  std::string_view Content() const {
    std::string_view content = bytes;
    if (!content.empty() && content.back() == '\n') content.remove_suffix(1);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    return content;
  }
  bool HasTerminator() const { return !bytes.empty() && bytes.back() == '\n'; }
  // The section name when this is a "[name]" line.
  std::optional<std::string_view> Section() const {
    const std::string_view content = Trim(Content());
    if (content.empty() || content.front() != '[') return std::nullopt;
    const auto close = content.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(content.substr(1, close - 1));
  }
  bool HasKey(std::string_view key) const {
    const std::string_view content = Content();
    const auto equals = content.find('=');
    return equals != std::string_view::npos && SameName(Trim(content.substr(0, equals)), key);
  }
  std::string Value() const {
    const std::string_view content = Content();
    std::string_view value = Trim(content.substr(content.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
  }
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(Line{text.substr(0, length)});
    text.remove_prefix(length);
  }
  return lines;
}

// Index range [first, last) of the lines inside `section`, after its header.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t first = 0;
  std::size_t last = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = lines[i].Section();
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].Section()) ++end;
    return SectionSpan{i, i + 1, end};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> LookUpProfileText(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const std::vector<Line> lines = SplitLines(text);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  for (std::size_t i = span->first; i < span->last; ++i) {
    if (lines[i].HasKey(key)) return lines[i].Value();
  }
  return std::nullopt;
}

std::string UpdateProfileText(std::string_view text, std::string_view section,
                              std::string_view key, std::string_view value) {
  const std::vector<Line> lines = SplitLines(text);
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  std::string out;
  out.reserve(text.size() + keyLine.size() + section.size() + 8);

  const auto span = FindSection(lines, section);
  if (!span) {
    out.append(text);
    if (!out.empty() && out.back() != '\n') out.append("\r\n");
    out.append("[").append(section).append("]\r\n").append(keyLine).append("\r\n");
    return out;
  }

  std::size_t keyAt = lines.size();
  for (std::size_t i = span->first; i < span->last && keyAt == lines.size(); ++i) {
    if (lines[i].HasKey(key)) keyAt = i;
  }
  // A new key goes after the last non-blank line of its section.
  std::size_t insertAfter = span->header;
  for (std::size_t i = span->first; i < span->last; ++i) {
    if (!Trim(lines[i].Content()).empty()) insertAfter = i;
  }

  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == keyAt) {
      out.append(keyLine).append(lines[i].HasTerminator() ? lines[i].bytes.substr(lines[i].Content().size()) : "\r\n");
      continue;
    }
    out.append(lines[i].bytes);
    if (keyAt == lines.size() && i == insertAfter) {
      if (!lines[i].HasTerminator()) out.append("\r\n");
      out.append(keyLine).append("\r\n");
    }
  }
  return out;
}

}  // namespace velmora
