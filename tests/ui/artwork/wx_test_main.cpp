#include <gtest/gtest.h>

#include <wx/init.h>

// Bitmaps need the toolkit up, so the tests run inside an initialised wx on the virtual display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxInitializer wx(argc, argv);
    if (!wx.IsOk()) {
        std::fprintf(stderr, "cannot initialise wxWidgets (no display?)\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
