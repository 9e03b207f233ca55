#include "platform/web/detail/ScriptText.h"

#include <cstdio>

namespace platform::detail {

namespace {

bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$'; }

}  // namespace

bool IsScriptIdentifier(const std::string& name) {
  if (name.empty() || !IsIdentifierStart(name[0])) return false;
  for (char c : name) {
    if (!IsIdentifierStart(c) && !(c >= '0' && c <= '9')) return false;
  }
  return true;
}

std::string ScriptStringLiteral(const std::string& text) {
  std::string out = "'";
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\\' || c == '\'') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      out += escaped;
    } else if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
               (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xA8) {
      // U+2028 and U+2029 end a line inside a script literal.
      out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "'";
}

std::string FunctionCallScript(const std::string& name, const std::vector<std::string>& args) {
  std::string call = "window." + name + "(";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i) call += ",";
    call += ScriptStringLiteral(args[i]);
  }
  call += ")";
  return "(function(){if(typeof window." + name + "!=='function')return undefined;var r=" + call +
         ";return r===undefined||r===null?'':String(r);})()";
}

}  // namespace platform::detail
