#pragma once
// The label printer's CUPS side on Linux: which queue a printer name names, and the label
// pictures kept when there is none.
#include <optional>
#include <string>
#include <vector>

#include "platform/label/text_bitmap.h"
#include "platform/print/cups_queues.h"

namespace pillora {

// The queue name of the queue `printerName` names: the queue of that name (letter case
// ignored), else the queue with that description; none when there is no such queue.
std::optional<std::string> labelQueueOf(const std::vector<CupsQueue>& queues,
                                        const Text& printerName);

// A label picture as a PNG image, one pixel per dot.
std::string labelPng(const MonoBitmap& label);

}  // namespace pillora
