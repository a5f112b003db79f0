#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace quillmere::testing_support {

// A settings file with every key present, so that loading it draws nothing from the generator.
inline std::string completeSettings(const std::string& fishCounts, int bubbleSetting = 100,
                                    int background = 0) {
    std::string text = "[Aquarium Settings]\n"
                       "Show Water=0\nShow Light=0\nShow Terra=1\nFRONT GUDING=1\nFRONTCOLOR=16777215\n"
                       "FRONT MANJIANBIAN=0\nFRONT COLOR1=16777215\nFRONT COLOR2=16777215\n"
                       "FRONT AUTOJIANBIAN=0\nCHECK LOCKFORE=0\nLOCKFORE ROT=0\nBACK GUDING=1\nBACKCOLOR=0\n"
                       "BACK MANJIANBIAN=0\nBACK COLOR1=65280\nBACK COLOR2=0\nBACK AUTOJIANBIAN=0\n"
                       "CHECK LOCKBACK=0\nLOCKBACK ROT=0\nYINLIANG=32767\n";
    text += "QIPAONUM=" + std::to_string(bubbleSetting) + "\n";
    text += "BACKGROUND=" + std::to_string(background) + "\n";
    text += "FOGNONGDU=25\nLIGHTQIANGDU=0\nCHECK VIEWS=1\nVIEWSLEFTRIGHT=0\nVIEWSNEARFAR=0\n";
    text += "[Fish Number]\n" + fishCounts;
    return text;
}

// "Fish0=c0" ... for the leading kinds, 0 for the rest.
inline std::string fishKeys(std::initializer_list<int> counts) {
    std::string text;
    int kind = 0;
    for (int c : counts)
        text += "Fish" + std::to_string(kind++) + "=" + std::to_string(c) + "\n";
    for (; kind < 15; ++kind)
        text += "Fish" + std::to_string(kind) + "=0\n";
    return text;
}

// A fresh settings folder per test, removed afterwards.
class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("quillmere-scene-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void writeSettings(const std::string& text) const {
        std::ofstream(m_folder / "QuillmereSet.ini", std::ios::binary) << text;
    }

    std::filesystem::path m_folder;
};

} // namespace quillmere::testing_support
