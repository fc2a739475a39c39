// A mobile number as other players may see it: the first three characters, four '*', the last
// four ("137****0001"). Whole numbers go only to their owner.
#pragma once

#include <string>

namespace server {

std::string maskedTel(const std::string& tel);

} // namespace server
