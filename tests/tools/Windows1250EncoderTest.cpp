#include <gtest/gtest.h>

#include "tools/navik-bank/Windows1250Encoder.h"

namespace {

TEST(Windows1250EncoderTest, EveryNonZeroByteSurvivesDecodeAndEncode)
{
    // Export decodes what a database holds and build encodes it again; no byte may change on the way.
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::optional<QByteArray> again = Windows1250Encoder::Encode(Windows1250Encoder::Decode(all));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->toStdString(), all);
}

} // namespace
