#include "settings/profile_document.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(ProfileDocument, ReadsValuesTheWayTheProfileReaderDoes) {
    const ProfileDocument doc = ProfileDocument::parse("[Aquarium Settings]\n"
                                                       "  fognongdu =  12  \n"
                                                       "Empty=\n"
                                                       "Quoted=\"a b\"\n"
                                                       "[Other]\n"
                                                       "FOGNONGDU=3\n");
    EXPECT_EQ(doc.read("aquarium settings", "FOGNONGDU"), "12");
    EXPECT_EQ(doc.read("Aquarium Settings", "Empty"), "");
    EXPECT_EQ(doc.read("Aquarium Settings", "Quoted"), "a b");
    EXPECT_EQ(doc.read("Aquarium Settings", "Absent"), "");
    EXPECT_EQ(doc.read("Missing Section", "FOGNONGDU"), "");
    EXPECT_EQ(doc.read("Other", "FOGNONGDU"), "3");
}

TEST(ProfileDocument, CutsValuesTo127Bytes) {
    const std::string longPath = "/home/user/" + std::string(200, 'p') + ".png";
    const ProfileDocument doc = ProfileDocument::parse("[Custom Images]\nImageList0=" + longPath + "\n");
    EXPECT_EQ(doc.read("Custom Images", "ImageList0"), longPath.substr(0, 127));
}

TEST(ProfileDocument, WritingKeepsEverythingElse) {
    const std::string original = "; kept comment\r\n"
                                 "[Aquarium Settings]\r\n"
                                 "Unknown Key=odd value\r\n"
                                 "FOGNONGDU=26\r\n"
                                 "this line is junk\r\n"
                                 "\r\n"
                                 "[Somebody Else's]\r\n"
                                 "x=1\r\n";
    ProfileDocument doc = ProfileDocument::parse(original);
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(doc.text(), original);

    doc.write("AQUARIUM SETTINGS", "fognongdu", "25");
    doc.write("Aquarium Settings", "LIGHTQIANGDU", "0");
    doc.write("Fish Number", "Fish0", "2");
    EXPECT_TRUE(doc.changed());
    EXPECT_EQ(doc.text(), "; kept comment\r\n"
                          "[Aquarium Settings]\r\n"
                          "Unknown Key=odd value\r\n"
                          "FOGNONGDU=25\r\n"
                          "this line is junk\r\n"
                          "LIGHTQIANGDU=0\r\n"
                          "\r\n"
                          "[Somebody Else's]\r\n"
                          "x=1\r\n"
                          "[Fish Number]\r\n"
                          "Fish0=2\r\n");
}

TEST(ProfileDocument, RewritingTheSameValueIsNoChange) {
    ProfileDocument doc = ProfileDocument::parse("[A]\nk=1\n");
    doc.write("A", "K", "1");
    EXPECT_FALSE(doc.changed());
}

TEST(ProfileDocument, BinaryJunkParsesWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk.push_back(static_cast<char>((i * 7919) & 0xFF));
    junk += "\n[Aquarium Settings]\nFOGNONGDU=7\0tail\n";
    junk.push_back('\0');
    const ProfileDocument doc = ProfileDocument::parse(junk);
    EXPECT_EQ(doc.read("Aquarium Settings", "FOGNONGDU"), "7");
}

TEST(ProfileDocument, NulEndsAValue) {
    const std::string text("[S]\nk=ab\0cd\n", 12);
    EXPECT_EQ(ProfileDocument::parse(text).read("S", "k"), "ab");
}

} // namespace
} // namespace quillmere
