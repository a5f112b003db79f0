#include "render/snapshot_runner.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace quillmere {
namespace {

using testing_support::runProgram;
using testing_support::SnapshotFolder;

constexpr std::array<int, 15> NoFish{};
// The camera held still, straight down the tank from eye (0, 0, -8).
const std::vector<std::string> StillCamera = {"CHECK VIEWS=0", "VIEWSLEFTRIGHT=3500", "VIEWSNEARFAR=500"};

std::vector<std::string> plus(std::vector<std::string> lines, const std::string& line) {
    lines.push_back(line);
    return lines;
}

int sumAt(const RgbImage& image, int x, int y) {
    const std::uint8_t* p = image.row(y) + x * 3;
    return p[0] + p[1] + p[2];
}

bool nearWhite(const RgbImage& image, int x, int y) {
    const std::uint8_t* p = image.row(y) + x * 3;
    return p[0] > 220 && p[1] > 220 && p[2] > 220;
}

// Share of the box [x0, x1) x [y0, y1), y from the top, whose pixels are more than black.
double litShare(const RgbImage& image, int x0, int y0, int x1, int y1) {
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            lit += sumAt(image, x, y) > 30 ? 1 : 0;
    return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
}

struct Difference {
    int count = 0;
    double meanX = 0.0;
    double meanY = 0.0;
};

// Where two pictures of the same size differ at all.
Difference differ(const RgbImage& a, const RgbImage& b) {
    Difference d;
    if (a.width != b.width || a.height != b.height) {
        ADD_FAILURE() << "pictures of different sizes";
        return d;
    }
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!std::equal(a.row(y) + x * 3, a.row(y) + x * 3 + 3, b.row(y) + x * 3)) {
                ++d.count;
                d.meanX += x;
                d.meanY += y;
            }
    if (d.count > 0) {
        d.meanX /= d.count;
        d.meanY /= d.count;
    }
    return d;
}

TEST_F(SnapshotFolder, FreshFolderShowsTheBackdropOverTheWholeViewAndKeepsOnlyItsSettings) {
    const RgbImage picture = snapshot(2, 480, 270);
    ASSERT_EQ(picture.width, 480);
    ASSERT_EQ(picture.height, 270);
    // The panel's one opening is its middle; beside it the backdrop covers every pixel, corners included.
    EXPECT_GT(litShare(picture, 0, 0, 160, 270), 0.97);
    EXPECT_GT(litShare(picture, 320, 0, 480, 270), 0.97);
    EXPECT_GT(litShare(picture, 0, 0, 480, 270), 0.75);
    for (const auto& [x, y] : std::array<std::pair<int, int>, 4>{{{2, 2}, {477, 2}, {2, 267}, {477, 267}}})
        EXPECT_GT(sumAt(picture, x, y), 30) << "corner " << x << "," << y;

    // The start-up load wrote the settings file; every extracted asset was deleted after loading.
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"QuillmereSet.ini"});
    std::ifstream file(m_dir / "QuillmereSet.ini");
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Fish Number]"), std::string::npos);
    EXPECT_NE(text.find("FOGNONGDU=25"), std::string::npos);
}

TEST_F(SnapshotFolder, BubblesShowOnlyWhereTheBackdropIsSeeThrough) {
    // Without fish nothing but the bubbles tells the two runs apart.
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), NoFish);
    const RgbImage without = snapshot(30, 480, 270);
    writeSettings(plus(StillCamera, "QIPAONUM=0"), NoFish);
    const RgbImage with = snapshot(30, 480, 270);

    int changed = 0;
    int changedOverBlack = 0;
    int brighter = 0;
    for (int y = 0; y < with.height; ++y)
        for (int x = 0; x < with.width; ++x) {
            const int before = sumAt(without, x, y);
            const int after = sumAt(with, x, y);
            if (before == after)
                continue;
            ++changed;
            changedOverBlack += before == 0 ? 1 : 0;
            brighter += after > before ? 1 : 0;
        }
    EXPECT_GT(changed, 300) << "the bubbles show";
    // Bubbles add light, and only in the opening, where the cleared black shows through the panel.
    EXPECT_GT(brighter, changed * 95 / 100);
    EXPECT_GT(changedOverBlack, changed * 95 / 100);
    const Difference where = differ(without, with);
    EXPECT_NEAR(where.meanX, 240.0, 480 * 0.15);
}

TEST_F(SnapshotFolder, HelpTextShowsInFramesOneToHundredOnly) {
    // No backdrop, no bubbles and no fish: the text alone on the cleared screen.
    writeSettings(plus(StillCamera, "BACKGROUND=1"), NoFish);
    // An odd width: rows of the picture are not padded.
    const int width = 321;
    const int height = 181;
    for (const int frame : {1, 100}) {
        const RgbImage picture = snapshot(frame, width, height);
        ASSERT_EQ(picture.width, width);
        int white = 0;
        double meanY = 0.0;
        double meanX = 0.0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (nearWhite(picture, x, y)) {
                    ++white;
                    meanX += x;
                    meanY += y;
                }
        ASSERT_GT(white, 150) << "frame " << frame;
        // The lines float above the middle of the view, starting a little left of it.
        EXPECT_LT(meanY / white, height * 0.5) << "frame " << frame;
        EXPECT_NEAR(meanX / white, width * 0.5, width * 0.2) << "frame " << frame;
    }
    for (const int frame : {101, 102}) {
        const RgbImage picture = snapshot(frame, width, height);
        EXPECT_EQ(litShare(picture, 0, 0, width, height), 0.0) << "frame " << frame;
    }
}

TEST_F(SnapshotFolder, HelpTextIsDrawnInFrontOfTheBackdrop) {
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), NoFish);
    const RgbImage withText = snapshot(1, 480, 270);
    const RgbImage without = snapshot(101, 480, 270);
    int changed = 0;
    int white = 0;
    for (int y = 0; y < withText.height; ++y)
        for (int x = 0; x < withText.width; ++x)
            if (sumAt(withText, x, y) != sumAt(without, x, y)) {
                ++changed;
                white += nearWhite(withText, x, y) ? 1 : 0;
            }
    EXPECT_GT(changed, 300);
    EXPECT_GT(white, changed / 2);
}

TEST_F(SnapshotFolder, NoFishCountsDrawNoFish) {
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), NoFish);
    const RgbImage emptyEarly = snapshot(2, 480, 270);
    const RgbImage emptyLate = snapshot(8, 480, 270);
    // Nothing in the tank moves but the first pellet, a few pixels sinking through the view.
    EXPECT_LT(differ(emptyEarly, emptyLate).count, 60);

    std::array<int, 15> fish{};
    fish.fill(2);
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), fish);
    const RgbImage fullEarly = snapshot(2, 480, 270);
    const RgbImage fullLate = snapshot(8, 480, 270);
    EXPECT_GT(differ(emptyEarly, fullEarly).count, 2000) << "30 fish cover part of the view";
    EXPECT_GT(differ(fullEarly, fullLate).count, 200) << "and swim";
}

// The fish's position in frame `frame` of the trace: the first drawn slot.
std::optional<std::array<double, 3>> tracedFish(const std::filesystem::path& dir, int frame) {
    const std::filesystem::path out = dir.parent_path() / "trace.jsonl";
    const std::string command = std::string(QUILLMERE_TRACE) + " --dir '" + dir.string() + "' --frames " +
                                std::to_string(frame) + " > '" + out.string() + "'";
    if (std::system(command.c_str()) != 0)
        return std::nullopt;
    std::ifstream file(out);
    const std::string prefix = "{\"frame\": " + std::to_string(frame) + ",";
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        const std::size_t at = line.find("\"fish\": [[");
        std::array<double, 3> p{};
        if (at != std::string::npos &&
            std::sscanf(line.c_str() + at + 10, "%lf,%lf,%lf", &p[0], &p[1], &p[2]) == 3)
            return p;
    }
    return std::nullopt;
}

TEST_F(SnapshotFolder, AFishAppearsWhereTheTraceHasIt) {
    std::array<int, 15> fish{};
    fish[3] = 1;
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), NoFish);
    const RgbImage empty = snapshot(120, 480, 270);
    writeSettings(plus(StillCamera, "QIPAONUM=1000"), fish);
    const RgbImage one = snapshot(120, 480, 270);
    const std::optional<std::array<double, 3>> at = tracedFish(m_dir, 120);
    ASSERT_TRUE(at.has_value());

    // The eye at (0, 0, -8) looks down -z; the frustum's half-height at distance 1 is 0.4.
    const double distance = -8.0 - (*at)[2];
    ASSERT_GT(distance, 1.0);
    const double halfHeight = 0.4 * distance;
    const double halfWidth = halfHeight * 480.0 / 270.0;
    const double expectX = 240.0 + (*at)[0] / halfWidth * 240.0;
    const double expectY = 135.0 - (*at)[1] / halfHeight * 135.0;
    const Difference drawn = differ(empty, one);
    ASSERT_GT(drawn.count, 20) << "the fish is in view at " << expectX << "," << expectY;
    // A fish is a few units long and its pixels gather around the point the trace gives.
    const double unit = 240.0 / halfWidth;
    EXPECT_NEAR(drawn.meanX, expectX, 2.0 * unit);
    EXPECT_NEAR(drawn.meanY, expectY, 1.5 * unit);
}

} // namespace
} // namespace quillmere
