#include "skin/SkinArt.h"

namespace quavlet::skin {

AtlasArt DrawButtonArt() { return AtlasArt(AtlasMemberSize(AtlasMember::ButtonSkin)); }

}  // namespace quavlet::skin
