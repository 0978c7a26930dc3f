#pragma once
// Review pages: every picture of the catalogue, labelled, on a few PNG pages per folder.
#include "catalogue.h"

#include <filesystem>

namespace assets {

// Writes <dir>/contact-NN-<folder>.png and returns the number of pages.
int writeContactSheets(const Catalogue& catalogue, const std::filesystem::path& dir);
// Writes <dir>/review-N-<screen>.png: screens composed as the program shows them; returns the pages.
int writeReviewScreens(const Catalogue& catalogue, const std::filesystem::path& dir);

} // namespace assets
