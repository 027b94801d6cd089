#pragma once
// The launcher's scheme rule, kept apart from the window so it can be checked on its own.

#include <QString>

namespace pelmora {

// The address as the browser should get it: unchanged when "https://" or "http://" occurs anywhere
// in it (any letter case), otherwise with "http://" put in front.
QString AddressWithScheme(const QString& address);

} // namespace pelmora
