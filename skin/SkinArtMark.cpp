#include "skin/SkinArt.h"

namespace quavlet::skin {

AtlasArt DrawMarkArt() { return AtlasArt(AtlasMemberSize(AtlasMember::MarkSkin)); }

}  // namespace quavlet::skin
