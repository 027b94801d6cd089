#include "picker/picker_bitmap.h"

namespace pelmora {

PickerBitmap::PickerBitmap(int width, int height)
{
    info_.width = width < 0 ? 0 : width;
    info_.height = height < 0 ? 0 : height;
    bytes_.assign(info_.imageSize(), 0);
}

} // namespace pelmora
