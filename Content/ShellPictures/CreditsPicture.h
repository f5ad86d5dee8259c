#pragma once

#include <QImage>

#include <filesystem>

// The About box's scrolling credits, 300 pixels wide: the game's name, then the repository's
// CREDITS file: its underlined headings, its paragraphs and its "- " entries with their names in bold.
QImage CreditsPicture(const std::filesystem::path& creditsFile);
