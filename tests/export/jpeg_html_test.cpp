#include <gtest/gtest.h>
#include <jpeglib.h>

#include "export/html_snippet.h"
#include "export/jpeg_writer.h"

using namespace bevelmint;

namespace {

struct JpegInfo {
    int width = 0, height = 0, components = 0;
    bool progressive = false;
    int lumaDc = 0;  // first luminance quantisation value
    std::vector<uint8_t> rgb;
};

JpegInfo decodeJpeg(const std::string& bytes) {
    JpegInfo info;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    info.progressive = jpeg_has_multiple_scans(&cinfo);
    info.lumaDc = cinfo.quant_tbl_ptrs[0] ? cinfo.quant_tbl_ptrs[0]->quantval[0] : -1;
    jpeg_start_decompress(&cinfo);
    info.width = cinfo.output_width, info.height = cinfo.output_height;
    info.components = cinfo.output_components;
    info.rgb.resize(static_cast<size_t>(info.width) * info.height * info.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = info.rgb.data() +
                       static_cast<size_t>(cinfo.output_scanline) * info.width * info.components;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return info;
}

}  // namespace

TEST(Jpeg, QualityFollowsTheCompressionLevelAndProgressiveIsOptional) {
    image::Picture p(100, 40, image::makeColor(220, 190, 110));
    p.setPixel(3, 3, image::makeColor(0, 0, 255));
    const JpegInfo best = decodeJpeg(exporter::encodeJpeg(p, 100, 40, 0, false));
    EXPECT_EQ(best.width, 100);
    EXPECT_EQ(best.height, 40);
    EXPECT_EQ(best.components, 3);
    EXPECT_FALSE(best.progressive);
    EXPECT_EQ(best.lumaDc, 1);  // quality 100
    EXPECT_NEAR(best.rgb[(20 * 100 + 50) * 3], 220, 2);
    EXPECT_EQ(decodeJpeg(exporter::encodeJpeg(p, 100, 40, 50, false)).lumaDc, 16);    // quality 50
    EXPECT_EQ(decodeJpeg(exporter::encodeJpeg(p, 100, 40, 100, false)).lumaDc, 255);  // lowest
    EXPECT_EQ(exporter::jpegQuality(100), 0);
    EXPECT_TRUE(decodeJpeg(exporter::encodeJpeg(p, 100, 40, 0, true)).progressive);
}

TEST(Html, BothFragmentsByteForByteAndThePage) {
    EXPECT_EQ(exporter::htmlFragment("b.gif", "bp.gif", "text", false),
              "<A HREF=\"http://www.your-site.example/\">\r\n"
              "<IMG SRC=\"b.gif\"\r\n"
              "NAME=pic1 BORDER=0\r\n"
              "ALT=\"text\"\r\n"
              "></A>");
    const std::string six = exporter::htmlFragment("b.gif", "bp.gif", "text", true);
    EXPECT_EQ(six,
              "<A HREF=\"http://www.your-site.example/\">\r\n"
              "<IMG SRC=\"b.gif\"\r\n"
              "NAME=pic1 BORDER=0\r\n"
              "ALT=\"text\"\r\n"
              "onmouseover=\"pic1.src='bp.gif'\"\r\n"
              "onmouseout=\"pic1.src='b.gif'\"></A>\r\n");
    EXPECT_EQ(exporter::htmlPage("X"), "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\nX\r\n</HTML>\r\n");
}

TEST(Html, AttributeTextIsEscaped) {
    const std::string f = exporter::htmlFragment("a&b.gif", "it's.gif", "Say \"Hi\" <now>", true);
    EXPECT_NE(f.find("SRC=\"a&amp;b.gif\""), std::string::npos);
    EXPECT_NE(f.find("ALT=\"Say &quot;Hi&quot; &lt;now&gt;\""), std::string::npos);
    EXPECT_NE(f.find("pic1.src='it\\'s.gif'"), std::string::npos);
    EXPECT_NE(f.find("pic1.src='a&amp;b.gif'"), std::string::npos);
}

TEST(Html, NamesArePercentEncodedExactlyWhereAUrlWouldReadThemOtherwise) {
    // Ordinary names, spaces inside and "&" included, stay byte for byte.
    for (const char* same : {"b.gif", "my button (1).gif", "a&b;c=d+e,f!g~h'i.gif", "x[1]@2$.jpg"})
        EXPECT_EQ(exporter::urlName(same), same);
    EXPECT_EQ(exporter::urlName("a#b.gif"), "a%23b.gif");
    EXPECT_EQ(exporter::urlName("50%.gif"), "50%25.gif");
    EXPECT_EQ(exporter::urlName("why?.gif"), "why%3F.gif");
    EXPECT_EQ(exporter::urlName("my\\pic.gif"), "my%5Cpic.gif");
    EXPECT_EQ(exporter::urlName("c:d.gif"), "c%3Ad.gif");
    EXPECT_EQ(exporter::urlName(" pad .gif "), "%20pad .gif%20");
    EXPECT_EQ(exporter::urlName("caf\xc3\xa9\t\x7f.gif"), "caf%C3%A9%09%7F.gif");

    const std::string f = exporter::htmlFragment("a#b.gif", "a#b'p.gif", "x", true);
    EXPECT_NE(f.find("SRC=\"a%23b.gif\""), std::string::npos);
    EXPECT_NE(f.find("pic1.src='a%23b\\'p.gif'"), std::string::npos);
    EXPECT_NE(f.find("pic1.src='a%23b.gif'"), std::string::npos);
}
