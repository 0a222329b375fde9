#include "pictures/jpeg_decompressor.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <string>
#include <utility>

#include <jerror.h>

#include "core/failures.h"

static_assert(JPEG_LIB_VERSION == 62, "the pictures are decoded through the version 62 interface");

namespace anod {

namespace {
constexpr std::size_t kSourceChunk = 4096;
}  // namespace

// Plain data the library points into; it never moves while the library runs.
struct JpegDecompressor::Context {
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  jpeg_source_mgr source{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump{};
  bool created = false;

  std::span<const std::uint8_t> bytes;
  std::size_t position = 0;
  bool read_any = false;
  JOCTET buffer[kSourceChunk]{};

  ProgressHandler progress_handler;
  std::exception_ptr pending;
};

namespace {

using Context = JpegDecompressor::Context;

Context* ContextOf(j_common_ptr info) { return static_cast<Context*>(info->client_data); }

// Error manager. A fatal error jumps back to Guarded(); everything else is
// dropped without a trace.
[[noreturn]] void OnFatalError(j_common_ptr info) { std::longjmp(ContextOf(info)->jump, 1); }
void OnMessage(j_common_ptr, int) {}
void OnOutputMessage(j_common_ptr) {}
void OnResetError(j_common_ptr info) {
  info->err->num_warnings = 0;
  info->err->msg_code = 0;
}

// Source manager over the bytes in memory, 4,096 at a time.
void OnInitSource(j_decompress_ptr) {}
void OnTermSource(j_decompress_ptr) {}

boolean OnFillInputBuffer(j_decompress_ptr info) {
  Context* c = ContextOf(reinterpret_cast<j_common_ptr>(info));
  std::size_t n = std::min(kSourceChunk, c->bytes.size() - c->position);
  if (n > 0) {
    std::memcpy(c->buffer, c->bytes.data() + c->position, n);
    c->position += n;
  } else {
    if (!c->read_any) ERREXIT(info, JERR_INPUT_EMPTY);
    // The stream ended early: warn (ignored) and assume an end-of-image marker.
    WARNMS(info, JWRN_JPEG_EOF);
    c->buffer[0] = 0xFF;
    c->buffer[1] = JPEG_EOI;
    n = 2;
  }
  c->read_any = true;
  c->source.next_input_byte = c->buffer;
  c->source.bytes_in_buffer = n;
  return TRUE;
}

void OnSkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* src = info->src;
  auto remaining = static_cast<std::size_t>(count);
  while (remaining > src->bytes_in_buffer) {
    remaining -= src->bytes_in_buffer;
    OnFillInputBuffer(info);
  }
  src->next_input_byte += remaining;
  src->bytes_in_buffer -= remaining;
}

// Runs the handler; an exception is kept for the C++ side instead of
// crossing the library's frames.
bool CallProgressHandler(Context* c) noexcept {
  try {
    c->progress_handler(c->info);
    return true;
  } catch (...) {
    c->pending = std::current_exception();
    return false;
  }
}

void OnProgress(j_common_ptr info) {
  Context* c = ContextOf(info);
  if (!CallProgressHandler(c)) std::longjmp(c->jump, 1);
}

using Step = void (*)(Context*, void*);

// The one landing place of the library's longjmp. Only plain pointers are
// live here and in every step, so the jump skips no destructor.
bool Guarded(Context* c, Step step, void* argument) {
  if (setjmp(c->jump) != 0) return false;
  step(c, argument);
  return true;
}

void Run(Context* c, Step step, void* argument = nullptr) {
  if (Guarded(c, step, argument)) return;
  if (c->pending) std::rethrow_exception(std::exchange(c->pending, nullptr));
  throw EJPEG("Erreur JPEG #" + std::to_string(c->error.msg_code));
}

void CreateStep(Context* c, void*) {
  jpeg_CreateDecompress(&c->info, JPEG_LIB_VERSION, sizeof(c->info));
  c->created = true;
}

struct RowsTarget {
  std::uint8_t* first_row;
  std::ptrdiff_t stride;
};

void ReadRowsStep(Context* c, void* argument) {
  const auto* target = static_cast<const RowsTarget*>(argument);
  while (c->info.output_scanline < c->info.output_height) {
    JSAMPROW row = target->first_row + target->stride * static_cast<std::ptrdiff_t>(c->info.output_scanline);
    if (jpeg_read_scanlines(&c->info, &row, 1) != 1) break;
  }
}

}  // namespace

JpegDecompressor::JpegDecompressor(std::span<const std::uint8_t> bytes, ProgressHandler progress)
    : context_(std::make_unique<Context>()) {
  Context* c = context_.get();
  c->info.err = jpeg_std_error(&c->error);
  c->error.error_exit = OnFatalError;
  c->error.emit_message = OnMessage;
  c->error.output_message = OnOutputMessage;
  c->error.reset_error_mgr = OnResetError;
  c->info.client_data = c;
  Run(c, CreateStep);
  c->info.client_data = c;

  c->bytes = bytes;
  c->source.init_source = OnInitSource;
  c->source.fill_input_buffer = OnFillInputBuffer;
  c->source.skip_input_data = OnSkipInputData;
  c->source.resync_to_restart = jpeg_resync_to_restart;
  c->source.term_source = OnTermSource;
  c->info.src = &c->source;

  if (progress) {
    c->progress_handler = std::move(progress);
    c->progress.progress_monitor = OnProgress;
    c->info.progress = &c->progress;
  }
}

JpegDecompressor::~JpegDecompressor() {
  if (context_->created) jpeg_destroy_decompress(&context_->info);
}

jpeg_decompress_struct& JpegDecompressor::Info() { return context_->info; }

void JpegDecompressor::ReadHeader() {
  Run(context_.get(), [](Context* c, void*) { jpeg_read_header(&c->info, TRUE); });
}

bool JpegDecompressor::HasMultipleScans() {
  bool multiple = false;
  Run(
      context_.get(),
      [](Context* c, void* out) { *static_cast<bool*>(out) = jpeg_has_multiple_scans(&c->info) != 0; },
      &multiple);
  return multiple;
}

void JpegDecompressor::StartDecompress() {
  Run(context_.get(), [](Context* c, void*) { jpeg_start_decompress(&c->info); });
}

int JpegDecompressor::ConsumeInput() {
  int status = 0;
  Run(
      context_.get(), [](Context* c, void* out) { *static_cast<int*>(out) = jpeg_consume_input(&c->info); },
      &status);
  return status;
}

void JpegDecompressor::StartOutput(int scan_number) {
  Run(
      context_.get(),
      [](Context* c, void* scan) { jpeg_start_output(&c->info, *static_cast<const int*>(scan)); },
      &scan_number);
}

void JpegDecompressor::FinishOutput() {
  Run(context_.get(), [](Context* c, void*) { jpeg_finish_output(&c->info); });
}

void JpegDecompressor::ReadRows(std::uint8_t* first_row, std::ptrdiff_t stride) {
  RowsTarget target{first_row, stride};
  Run(context_.get(), ReadRowsStep, &target);
}

void JpegDecompressor::FinishDecompress() {
  Run(context_.get(), [](Context* c, void*) { jpeg_finish_decompress(&c->info); });
}

}  // namespace anod
