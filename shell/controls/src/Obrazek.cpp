#include "controls/Obrazek.h"

namespace controls {

std::string TObrazek::litPicturePath(const std::string& normal) {
    const std::string ext = ".bmp";
    if (normal.size() >= ext.size() && normal.compare(normal.size() - ext.size(), ext.size(), ext) == 0)
        return normal.substr(0, normal.size() - ext.size()) + "h" + ext;
    return normal + "h";
}

} // namespace controls
