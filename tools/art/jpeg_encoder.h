// Writes a QImage as a JFIF stream of the kind the window's pictures are:
// three components (YCbCr), each sampled 1x1 (no chroma subsampling).
//
//   Baseline:     one scan, a restart marker after every row of 8x8 blocks.
//   Progressive:  exactly seven scans (DC in two steps of successive
//                 approximation, then the AC bands), no restart markers.
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace anod::art {

enum class JpegKind { Baseline, Progressive };

// Throws std::runtime_error with the library's message when encoding fails.
std::vector<std::uint8_t> EncodeJpeg(const QImage& image, JpegKind kind, int quality);

}  // namespace anod::art
