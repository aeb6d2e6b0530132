#include "cli/Record.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace quendaro::cli {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not one.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) {
    return static_cast<unsigned char>(text[k]);
  };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  std::uint32_t lowest = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    lowest = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  std::uint32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < lowest || code > 0x10FFFF || surrogate) return 0;
  return length;
}

bool IsPlain(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
}

void AppendString(std::string& out, std::string_view text) {
  out += '"';
  std::size_t i = 0;
  while (i < text.size()) {
    // Runs of plain characters, nearly all of every text, go in at once.
    std::size_t run = i;
    while (run < text.size() && IsPlain(text[run])) ++run;
    out.append(text.data() + i, run - i);
    i = run;
    if (i == text.size()) break;

    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
      ++i;
    } else if (c == '\n') {
      out += "\\n";
      ++i;
    } else if (c == '\r') {
      out += "\\r";
      ++i;
    } else if (c == '\t') {
      out += "\\t";
      ++i;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x",
                    static_cast<unsigned>(byte));
      out += escaped;
      ++i;
    } else if (const std::size_t length = Utf8Length(text, i); length > 0) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      out += "\xEF\xBF\xBD";  // U+FFFD REPLACEMENT CHARACTER
      ++i;
    }
  }
  out += '"';
}

void Append(std::string& out, const Value& value) {
  if (value.IsNull()) {
    out += "null";
  } else if (const std::string* text = value.Text()) {
    AppendString(out, *text);
  } else if (const bool* flag = value.Flag()) {
    out += *flag ? "true" : "false";
  } else if (const double* number = value.Numeric()) {
    // Seven significant digits are more than any statistic here needs.
    char buffer[32];
    const std::to_chars_result result = std::to_chars(
        buffer, buffer + sizeof buffer, *number, std::chars_format::general, 7);
    out.append(buffer, result.ptr);
  } else if (const Value::Array* items = value.Items()) {
    out += '[';
    for (std::size_t i = 0; i < items->size(); ++i) {
      if (i > 0) out += ',';
      Append(out, (*items)[i]);
    }
    out += ']';
  } else if (const Value::Object* fields = value.Fields()) {
    out += '{';
    for (std::size_t i = 0; i < fields->size(); ++i) {
      if (i > 0) out += ',';
      AppendString(out, (*fields)[i].first);
      out += ':';
      Append(out, (*fields)[i].second);
    }
    out += '}';
  }
}

}  // namespace

Value Value::Strings(const std::vector<std::string>& texts) {
  Array items;
  items.reserve(texts.size());
  for (const std::string& text : texts) items.emplace_back(text);
  return Value(std::move(items));
}

Value Value::Number(double number) {
  Value value;
  value.data_ = number;
  return value;
}

std::string ToJson(const Value& value) {
  std::string out;
  out.reserve(512);  // a whole generation's line, in one allocation
  Append(out, value);
  return out;
}

}  // namespace quendaro::cli
