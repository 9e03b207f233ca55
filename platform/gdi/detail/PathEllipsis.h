#pragma once
// A path too wide for its place, its middle cut out for "…" and its last part kept.
#include <functional>
#include <string>

namespace platform::detail {

// `text` when it fits; else as much of its start as fits, "…", and its part from the last
// '/' or '\' on (without either, the start and "…"); when even "…" and that last part are
// too wide, those two alone. `fits` holds for every start of a text it holds for.
std::wstring ElidePath(const std::wstring& text, const std::function<bool(const std::wstring&)>& fits);

}  // namespace platform::detail
