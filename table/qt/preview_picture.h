#pragma once
// The preview picture of a game for the game selection dialog, made from a
// drawing of its dealt table: the part that differs from the bare background
// (cards, marks and their shadows) with a margin of background around it,
// scaled down to fit the dialog's preview. The background stays one plain
// colour, which the dialog shows through (it takes the top-left pixel's
// colour as see-through).
#include <QImage>
#include <QRect>

namespace tessaro {

/// The largest size of a preview picture.
inline constexpr int kPreviewMaxWidth = 224;
inline constexpr int kPreviewMaxHeight = 160;

/// The rectangle of `table` whose pixels differ from `background` (same
/// size); empty when none differ or the sizes differ.
QRect drawnArea(const QImage& table, const QImage& background);

/// The preview: the drawn area widened by a margin of 4 % of its larger side
/// (at least 8 pixels, within the table), scaled smoothly to fit
/// kPreviewMaxWidth x kPreviewMaxHeight (never enlarged). A table with
/// nothing drawn gives a null image.
QImage previewPicture(const QImage& table, const QImage& background);

}  // namespace tessaro
