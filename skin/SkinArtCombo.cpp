#include "skin/SkinArt.h"

namespace quavlet::skin {

AtlasArt DrawComboArt() { return AtlasArt(AtlasMemberSize(AtlasMember::ComboSkin)); }

}  // namespace quavlet::skin
