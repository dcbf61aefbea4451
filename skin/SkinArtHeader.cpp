#include "skin/SkinArt.h"

namespace quavlet::skin {

AtlasArt DrawHeaderArt() { return AtlasArt(AtlasMemberSize(AtlasMember::HeaderSkin)); }

}  // namespace quavlet::skin
