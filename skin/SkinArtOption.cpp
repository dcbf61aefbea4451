#include "skin/SkinArt.h"

namespace quavlet::skin {

AtlasArt DrawOptionArt() { return AtlasArt(AtlasMemberSize(AtlasMember::OptionSkin)); }

}  // namespace quavlet::skin
