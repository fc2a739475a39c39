#pragma once
// Writes an armature description as a CocoStudio 1.x armature ".ExportJson": armature_data
// (bones with one sprite display each), animation_data (movements in file order, every bone
// keyed in every movement), texture_data and config_file_path/config_png_path.
#include "data/ArmatureDescription.h"

#include <json/value.h>

namespace brindle::assets {

class ArmatureWriter {
public:
    static Json::Value write(const ArmatureDocument& doc);
};

} // namespace brindle::assets
