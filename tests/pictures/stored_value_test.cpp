// Reading and writing the stored Picture.Data and Icon.Data values.
#include "pictures/stored_value.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/failures.h"
#include "pictures/art_files.h"
#include "pictures/byte_reader.h"
#include "pictures/jpeg_image.h"
#include "pictures/jpeg_module.h"
#include "pictures/picture.h"
#include "tests/pictures/test_streams.h"

namespace anod {
namespace {

using Bytes = std::vector<std::uint8_t>;

using StoredValueTest = test::JpegFormatsTest;
using test::MessageOf;
using test::ArtBytes;

void Put32(Bytes& out, std::uint32_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

// The N bytes of a Picture.Data value: L, name, J, stream.
Bytes PictureBytes(const std::string& name, const Bytes& stream, std::uint32_t j) {
  Bytes out{static_cast<std::uint8_t>(name.size())};
  out.insert(out.end(), name.begin(), name.end());
  Put32(out, j);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}
Bytes PictureBytes(const std::string& name, const Bytes& stream) {
  return PictureBytes(name, stream, static_cast<std::uint32_t>(stream.size()));
}

TEST_F(StoredValueTest, WritesTheJpegValueLayout) {
  const Bytes value = WriteJPEGPictureValue(Bytes{0xFF, 0xD8, 0xFF, 0xD9});
  const Bytes expected{0x0A, 0x13, 0, 0, 0, 0x0A, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e',
                       0x04, 0,    0, 0, 0xFF, 0xD8, 0xFF, 0xD9};
  EXPECT_EQ(value, expected);
}

TEST_F(StoredValueTest, EachArtValueReadsBackWithItsBytesAndSize) {
  for (const char* file : test::kArtFiles) {
    SCOPED_TRACE(file);
    const Bytes stream = ArtBytes(file);
    const Bytes value = WriteJPEGPictureValue(stream);
    ByteReader reader(value);
    const auto n_bytes = ReadBinaryValue(reader);
    EXPECT_EQ(n_bytes.size(), 1 + 10 + 4 + stream.size());
    EXPECT_EQ(reader.Remaining(), 0u);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TPicture&) { ++changes; };
    ReadPictureValue(picture, n_bytes);
    EXPECT_EQ(changes, 1);
    auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(*jpeg->Data()->bytes, stream);
    EXPECT_FALSE(jpeg->Decoded());
    // Written again from the picture: the same value.
    EXPECT_EQ(WritePictureValue(picture), value);
  }
}

TEST_F(StoredValueTest, PictureWithoutObjectStoresNothing) {
  TPicture picture;
  EXPECT_FALSE(WritePictureValue(picture).has_value());
}

TEST_F(StoredValueTest, JpegWithoutBytesWritesZeroLength) {
  TJPEGImage image;
  const Bytes bytes = PictureValueBytes(image);
  EXPECT_EQ(bytes, PictureBytes("TJPEGImage", {}));
}

TEST_F(StoredValueTest, BytesAfterTheStreamAreSkipped) {
  Bytes n_bytes = PictureBytes("TJPEGImage", ArtBytes("box.jpg"));
  n_bytes.insert(n_bytes.end(), {1, 2, 3});
  TPicture picture;
  ReadPictureValue(picture, n_bytes);
  EXPECT_EQ(picture.Width(), 289);
}

// Values that leave the control without a picture, silently.
struct SilentCase {
  const char* name;
  Bytes n_bytes;
};
void PrintTo(const SilentCase& c, std::ostream* os) { *os << c.name; }

class SilentValueTest : public StoredValueTest, public testing::WithParamInterface<SilentCase> {};

TEST_P(SilentValueTest, GivesAnEmptyPicture) {
  TPicture picture;
  picture.SetGraphic(std::make_unique<TJPEGImage>());
  int changes = 0;
  picture.OnChange = [&](TPicture&) { ++changes; };
  EXPECT_NO_THROW(ReadPictureValue(picture, GetParam().n_bytes));
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(changes, 1);
}

const SilentCase kSilent[] = {
    {"ClassTImage", PictureBytes("TImage", {0xFF, 0xD8})},
    {"ClassLowerCase", PictureBytes("tjpegimage", {0xFF, 0xD8})},
    {"ClassEmpty", Bytes{0}},
    {"ShortClassName", Bytes{20, 'T', 'J', 'P', 'E', 'G'}},
    {"ClassNameOver63", PictureBytes(std::string(70, 'T'), {})},
};
INSTANTIATE_TEST_SUITE_P(Silent, SilentValueTest, testing::ValuesIn(kSilent), testing::PrintToStringParamName());

// Values that fail, each with its class and message; the previous picture
// stays.
struct FailingCase {
  const char* name;
  Bytes n_bytes;
  std::string message;
  bool read_error;  // EReadError, else EInvalidGraphic (EJPEG among them)
};
void PrintTo(const FailingCase& c, std::ostream* os) { *os << c.name; }

class FailingValueTest : public StoredValueTest, public testing::WithParamInterface<FailingCase> {};

TEST_P(FailingValueTest, RaisesAndKeepsThePreviousPicture) {
  const FailingCase& c = GetParam();
  TPicture picture;
  ReadPictureValue(picture, PictureBytes("TJPEGImage", ArtBytes("sphere.jpg")));
  TGraphic* before = picture.Graphic();
  std::string message = "(nothing raised)";
  bool was_read_error = false;
  try {
    ReadPictureValue(picture, c.n_bytes);
  } catch (const EReadError& e) {
    message = e.Message();
    was_read_error = true;
  } catch (const EInvalidGraphic& e) {
    message = e.Message();
  }
  EXPECT_EQ(message, c.message);
  EXPECT_EQ(was_read_error, c.read_error);
  EXPECT_EQ(picture.Graphic(), before);
}

const FailingCase kFailing[] = {
    {"NotAJpeg", PictureBytes("TJPEGImage", {'G', 'I', 'F', '8', '9', 'a'}), "Erreur JPEG #53", false},
    {"JLargerThanBytes", PictureBytes("TJPEGImage", {0xFF, 0xD8, 0xFF}, 1000), "Erreur de lecture du flux", true},
    {"JMissing", Bytes{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 4, 0}, "Erreur de lecture du flux", true},
    {"NoBytesAtAll", Bytes{}, "Erreur de lecture du flux", true},
    {"BitmapLayoutNotRead", PictureBytes("TBitmap", {'B', 'M'}), "Format d'image non pris en charge", false},
    {"IconLayoutNotRead", PictureBytes("TIcon", {0, 0, 1, 0}), "Format d'image non pris en charge", false},
    {"MetafileLayoutNotRead", PictureBytes("TMetafile", {1}), "Format d'image non pris en charge", false},
};
INSTANTIATE_TEST_SUITE_P(Failing, FailingValueTest, testing::ValuesIn(kFailing), testing::PrintToStringParamName());

TEST_F(StoredValueTest, EmptyStreamIsAPictureThatFailsAtFirstDraw) {
  TPicture picture;
  ReadPictureValue(picture, PictureBytes("TJPEGImage", {}));
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_FALSE(picture.Graphic()->Empty());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
}

// The whole value, as the window-description reader meets it.
struct BinaryCase {
  const char* name;
  Bytes value;
  std::string message;  // empty: read fine
};
void PrintTo(const BinaryCase& c, std::ostream* os) { *os << c.name; }

class BinaryValueTest : public testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryValueTest, ReadsOrFailsWithItsMessage) {
  const BinaryCase& c = GetParam();
  ByteReader reader(c.value);
  std::string message;
  try {
    const auto bytes = ReadBinaryValue(reader);
    EXPECT_EQ(bytes.size() + 5, c.value.size());
  } catch (const EReadError& e) {
    message = e.Message();
  }
  EXPECT_EQ(message, c.message);
}

const BinaryCase kBinary[] = {
    {"Type10WithThreeBytes", Bytes{10, 3, 0, 0, 0, 1, 2, 3}, ""},
    {"Type10Empty", Bytes{10, 0, 0, 0, 0}, ""},
    {"Type6String", Bytes{6, 3, 'a', 'b', 'c'}, "Valeur de propri\xE9t\xE9 incorrecte"},
    {"Type10LengthBeyondBytes", Bytes{10, 9, 0, 0, 0, 1, 2}, "Erreur de lecture du flux"},
    {"Type10LengthCut", Bytes{10, 9, 0}, "Erreur de lecture du flux"},
    {"NothingAtAll", Bytes{}, "Erreur de lecture du flux"},
};
INSTANTIATE_TEST_SUITE_P(Binary, BinaryValueTest, testing::ValuesIn(kBinary), testing::PrintToStringParamName());

// The whole property as the window-description reader meets it: every
// failure comes back as one EReadError naming the control and the property.
struct PropertyCase {
  const char* name;
  Bytes value;
  std::string message;
};
void PrintTo(const PropertyCase& c, std::ostream* os) { *os << c.name; }

Bytes WholeValue(const Bytes& n_bytes) {
  Bytes value;
  WriteBinaryValue(value, n_bytes);
  return value;
}

class PictureProperty : public StoredValueTest, public testing::WithParamInterface<PropertyCase> {};

TEST_P(PictureProperty, WrapsEveryFailure) {
  const PropertyCase& c = GetParam();
  TPicture picture;
  ByteReader reader(c.value);
  EXPECT_EQ(MessageOf<EReadError>([&] { ReadPictureProperty(picture, reader, "img1", "Picture.Data"); }), c.message);
}

const PropertyCase kProperties[] = {
    {"Readable", WriteJPEGPictureValue(ArtBytes("box.jpg")), ""},
    {"NotAJpeg", WholeValue(PictureBytes("TJPEGImage", {'x', 'y'})),
     "Erreur lors de la lecture de img1.Picture.Data: Erreur JPEG #53"},
    {"JLargerThanBytes", WholeValue(PictureBytes("TJPEGImage", {0xFF}, 9)),
     "Erreur lors de la lecture de img1.Picture.Data: Erreur de lecture du flux"},
    {"TypeByteNot10", Bytes{6, 1, 'x'},
     "Erreur lors de la lecture de img1.Picture.Data: Valeur de propri\xE9t\xE9 incorrecte"},
    {"ClassNotListed", WholeValue(PictureBytes("TImage", {})), ""},
};
INSTANTIATE_TEST_SUITE_P(Property, PictureProperty, testing::ValuesIn(kProperties), testing::PrintToStringParamName());

TEST(IconValueTest, CommittedIconWrapsAndDecodes) {
  const auto file = ArtFile("icon.ico");
  const Bytes value = WriteIconValue(file);
  ASSERT_EQ(value.size(), 5u + 4286u);
  EXPECT_EQ(value[0], 10);
  ByteReader reader(value);
  const auto bytes = ReadBinaryValue(reader);
  const IconImage icon = DecodeIconFile(bytes);
  ASSERT_EQ(icon.width, 32);
  ASSERT_EQ(icon.height, 32);
  auto at = [&](int x, int y) { return icon.argb[static_cast<std::size_t>(y * 32 + x)]; };
  // Softened corners: see-through in the very corner, black just inside.
  EXPECT_EQ(at(0, 0) >> 24, 0u);
  EXPECT_EQ(at(31, 31) >> 24, 0u);
  EXPECT_EQ(at(16, 31), 0xFF000000u);
  // White tools on the black square: opaque white pixels exist on both halves.
  int white_left = 0, white_right = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (at(x, y) == 0xFFFFFFFFu) (x < 16 ? white_left : white_right)++;
  EXPECT_GT(white_left, 40);
  EXPECT_GT(white_right, 40);
}

TEST(IconValueTest, BrokenIconFilesAreRefused) {
  const auto file = ArtFile("icon.ico");
  const Bytes whole(file.begin(), file.end());
  const Bytes cut(whole.begin(), whole.begin() + 1000);
  Bytes eight_bit = whole;
  eight_bit[22 + 14] = 8;
  for (const Bytes& bad : {cut, eight_bit, Bytes{0, 0, 1, 0}, Bytes{}}) {
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { DecodeIconFile(bad); }), "Ic\xF4ne incorrecte");
  }
}

}  // namespace
}  // namespace anod
