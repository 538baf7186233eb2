#pragma once
// The filler pictures of the cards: the portrait of a card without photo,
// the logo of an organization that has none yet, and the dot that makes a
// box look empty.

#include <QImage>

namespace Cards {

// 157 x 174 pixels: a neutral silhouette.
QImage placeholderPortrait();
// 119 x 118 pixels: a plain emblem.
QImage placeholderLogo();
// 2 x 2 white pixels.
QImage dotPicture();

}  // namespace Cards
