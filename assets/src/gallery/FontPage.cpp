#include "gallery/GalleryPages.h"

namespace brindle::assets {

void GalleryPages::fonts(const std::filesystem::path&, const std::filesystem::path&) {}

} // namespace brindle::assets
