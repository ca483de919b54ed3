// The gallery's own view of the registered sections.
#pragma once
#include <vector>

#include "gallery_section.h"

std::vector<GallerySection> SortedGallerySections();
