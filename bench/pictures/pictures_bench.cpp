// Loading, decoding and first drawing of the window's eight pictures.
//
//   BM_LoadAndDecodeEight     our path: stored bytes -> header -> DecodedBitmap
//   BM_LoadHeaderEight        what building the window costs: bytes and headers
//   BM_LibraryDecodeEight     the same library calls djpeg -dct float makes,
//                             in process, rows into a fresh image (the floor)
//   BM_DjpegProcessEight      djpeg -dct float -bmp run on each stream
//                             (process start and file output included)
//   BM_FirstDrawOfEight       the window's first paint of the eight image
//                             controls: decode and reduce into their frames
//   BM_RepaintOfEight         a later paint: reduce only
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "pictures/art_files.h"
#include "pictures/image_control.h"
#include "pictures/jpeg_image.h"
#include "platform/qt/qt_canvas.h"

namespace {

struct Frame {
  const char* file;
  int left, top, width, height;
  bool stretch;
};

const Frame kFrames[] = {
    {"cylinder.jpg", 32, 72, 217, 217, false},   {"box.jpg", 296, 72, 217, 217, false},
    {"sphere.jpg", 560, 72, 217, 217, false},    {"pyramid.jpg", 824, 72, 217, 217, false},
    {"degreasing.jpg", 20, 330, 233, 193, true}, {"electrolysis.jpg", 280, 330, 233, 193, true},
    {"colouring.jpg", 540, 330, 233, 193, true}, {"fixing.jpg", 800, 330, 233, 193, true},
};

void BM_LoadAndDecodeEight(benchmark::State& state) {
  std::size_t bitmap_bytes = 0;
  for (auto _ : state) {
    bitmap_bytes = 0;
    for (const Frame& f : kFrames) {
      anod::TJPEGImage image;
      image.LoadFromBytes(anod::ArtFile(f.file));
      const anod::TBitmap& b = image.DecodedBitmap();
      bitmap_bytes += static_cast<std::size_t>(b.Stride()) * static_cast<std::size_t>(b.Height());
      benchmark::DoNotOptimize(b.ScanLine(0));
    }
  }
  state.counters["bitmap_bytes"] = static_cast<double>(bitmap_bytes);
}
BENCHMARK(BM_LoadAndDecodeEight)->Unit(benchmark::kMillisecond);

void BM_LoadHeaderEight(benchmark::State& state) {
  for (auto _ : state) {
    for (const Frame& f : kFrames) {
      anod::TJPEGImage image;
      image.LoadFromBytes(anod::ArtFile(f.file));
      benchmark::DoNotOptimize(image.Width());
    }
  }
}
BENCHMARK(BM_LoadHeaderEight)->Unit(benchmark::kMicrosecond);

// A fresh image per stream, as djpeg's BMP writer (which holds the whole
// image to write it bottom-up) and our bitmap both have.
std::vector<std::uint8_t> LibraryDecode(std::span<const std::uint8_t> stream) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, stream.data(), static_cast<unsigned long>(stream.size()));
  jpeg_read_header(&info, TRUE);
  info.dct_method = JDCT_FLOAT;
  jpeg_start_decompress(&info);
  const std::size_t row = static_cast<std::size_t>(info.output_width) * 3;
  std::vector<std::uint8_t> pixels(row * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW p = pixels.data() + row * info.output_scanline;
    jpeg_read_scanlines(&info, &p, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return pixels;
}

void BM_LibraryDecodeEight(benchmark::State& state) {
  for (auto _ : state) {
    for (const Frame& f : kFrames) {
      const auto pixels = LibraryDecode(anod::ArtFile(f.file));
      benchmark::DoNotOptimize(pixels.data());
    }
  }
}
BENCHMARK(BM_LibraryDecodeEight)->Unit(benchmark::kMillisecond);

#ifdef ANOD_DJPEG
void BM_DjpegProcessEight(benchmark::State& state) {
  std::vector<std::string> inputs;
  for (const Frame& f : kFrames) {
    char path[] = "/tmp/anod-bench-XXXXXX";
    const int fd = mkstemp(path);
    const auto bytes = anod::ArtFile(f.file);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
      state.SkipWithError("cannot write a temporary file");
      return;
    }
    close(fd);
    inputs.push_back(path);
  }
  for (auto _ : state) {
    for (const std::string& input : inputs) {
      const std::string command = std::string(ANOD_DJPEG) + " -dct float -bmp -outfile /dev/null " + input;
      if (std::system(command.c_str()) != 0) state.SkipWithError("djpeg failed");
    }
  }
  for (const std::string& input : inputs) unlink(input.c_str());
}
BENCHMARK(BM_DjpegProcessEight)->Unit(benchmark::kMillisecond);
#endif

struct Window {
  std::vector<std::unique_ptr<anod::TImage>> images;
  Window() {
    for (const Frame& f : kFrames) {
      auto image = std::make_unique<anod::TImage>();
      image->SetBounds(f.left, f.top, f.width, f.height);
      auto jpeg = std::make_unique<anod::TJPEGImage>();
      jpeg->LoadFromBytes(anod::ArtFile(f.file));
      image->Picture().SetGraphic(std::move(jpeg));
      f.stretch ? image->SetStretch(true) : image->SetProportional(true);
      images.push_back(std::move(image));
    }
  }
  void Paint(anod::Canvas& canvas) {
    for (auto& image : images) {
      anod::CanvasStateSaver saver(canvas);
      canvas.Translate(image->BoundsRect().left, image->BoundsRect().top);
      image->Paint(canvas);
    }
  }
};

void BM_FirstDrawOfEight(benchmark::State& state) {
  anod::ImageCanvas screen(1080, 560);
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<Window>();
    state.ResumeTiming();
    window->Paint(screen.canvas());
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstDrawOfEight)->Unit(benchmark::kMillisecond);

void BM_RepaintOfEight(benchmark::State& state) {
  anod::ImageCanvas screen(1080, 560);
  Window window;
  window.Paint(screen.canvas());
  for (auto _ : state) window.Paint(screen.canvas());
}
BENCHMARK(BM_RepaintOfEight)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
