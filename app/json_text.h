#pragma once
// JSON output of the command-line tools.

#include <iosfwd>
#include <string_view>

namespace pelmora {

// `text` as a JSON string: quoted, with quotes, backslashes and control characters escaped, and
// each byte that is not UTF-8 written as \ufffd.
void WriteJsonString(std::ostream& out, std::string_view text);
// `value` as a JSON number, the shortest text that reads back as the same double.
void WriteJsonNumber(std::ostream& out, double value);

} // namespace pelmora
