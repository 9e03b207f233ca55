#pragma once
// The script text that calls a page's global function with text arguments and yields its
// result as text ("" for none), or undefined when the page has no such function.
#include <string>
#include <vector>

namespace platform::detail {

// False for a name that is not a plain script identifier (it is never run).
bool IsScriptIdentifier(const std::string& name);
// A quoted script string literal holding exactly `text`.
std::string ScriptStringLiteral(const std::string& text);
std::string FunctionCallScript(const std::string& name, const std::vector<std::string>& args);

}  // namespace platform::detail
