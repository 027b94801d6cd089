#include "windows/web_address.h"

namespace pelmora {

QString AddressWithScheme(const QString& address)
{
    // "Anywhere" on purpose: an address whose query string carries another URL keeps its own scheme.
    if (address.contains(QLatin1String("https://"), Qt::CaseInsensitive)
        || address.contains(QLatin1String("http://"), Qt::CaseInsensitive)) {
        return address;
    }
    return QLatin1String("http://") + address;
}

} // namespace pelmora
