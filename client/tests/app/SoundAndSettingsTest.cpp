#include "app/Md5.h"
#include "app/SoundManager.h"
#include "app/StoredSettings.h"
#include "support/TestSupport.h"

#include "extensions/gui/ClickSound.h"

using test_support::ClientTest;

namespace {

class SoundAndSettingsTest : public ClientTest {};

TEST_F(SoundAndSettingsTest, SwitchesAreOnForAFreshInstallation) {
    EXPECT_TRUE(SoundManager::instance().isEffectsOn());
    EXPECT_TRUE(SoundManager::instance().isMusicOn());
    EXPECT_FALSE(StoredSettings::readBool(settings::kRememberPassword, false));
    EXPECT_EQ(StoredSettings::storedUserName(), "");
}

TEST_F(SoundAndSettingsTest, EffectsOffPlaysNothing) {
    SoundManager& sound = SoundManager::instance();
    EXPECT_NE(sound.playEffect("buttonT.mp3"), 0u);
    sound.setEffectsOn(false);
    audio().clear();
    EXPECT_EQ(sound.playEffect("buttonT.mp3"), 0u);
    EXPECT_TRUE(audio().callsNamed("playEffect").empty());
    EXPECT_FALSE(StoredSettings::readBool(settings::kEffect, true));
    sound.setEffectsOn(true);
    EXPECT_NE(sound.playEffect("buttonT.mp3"), 0u);
    EXPECT_EQ(audio().callsNamed("playEffect").size(), 1u);
}

TEST_F(SoundAndSettingsTest, MusicOffKeepsPlayingSilently) {
    SoundManager& sound = SoundManager::instance();
    sound.setMusicOn(false);
    sound.playMusic("bgMusic_main.mp3", true);
    EXPECT_EQ(audio().callsNamed("playMusic").size(), 1u);
    EXPECT_FLOAT_EQ(audio().musicVolume(), 0.0f);
    EXPECT_EQ(sound.currentMusic(), "bgMusic_main.mp3");
    EXPECT_FALSE(sound.isMusicOn());
    sound.setMusicOn(true);
    EXPECT_FLOAT_EQ(audio().musicVolume(), 1.0f);
    EXPECT_TRUE(audio().callsNamed("stopMusic").empty());
}

TEST_F(SoundAndSettingsTest, WidgetClicksObeyTheEffectSwitch) {
    SoundManager::installClickSound();
    audio().clear();
    cocos2d::extension::playClickSound();
    ASSERT_EQ(audio().callsNamed("playEffect").size(), 1u);
    EXPECT_NE(audio().callsNamed("playEffect")[0].file.find("buttonT.mp3"), std::string::npos);
    SoundManager::instance().setEffectsOn(false);
    cocos2d::extension::playClickSound();
    EXPECT_EQ(audio().callsNamed("playEffect").size(), 1u);
    cocos2d::extension::resetClickSoundHook();
}

TEST_F(SoundAndSettingsTest, StoredSwitchesAreReadAgain) {
    StoredSettings::writeBool(settings::kEffect, false);
    EXPECT_FALSE(SoundManager::instance().isEffectsOn());
    StoredSettings::writeBool(settings::kMusic, false);
    EXPECT_FALSE(SoundManager::instance().isMusicOn());
    EXPECT_FLOAT_EQ(audio().musicVolume(), 0.0f);
}

TEST_F(SoundAndSettingsTest, RememberedAccount) {
    EXPECT_EQ(StoredSettings::storedPasswordDigest(), "D41D8CD98F00B204E9800998ECF8427E");
    StoredSettings::storeUserName("13800000000");
    StoredSettings::storePassword("abc");
    EXPECT_EQ(StoredSettings::storedUserName(), "13800000000");
    EXPECT_EQ(StoredSettings::storedPasswordDigest(), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(StoredSettings::guideKey("main"), "main_hadGuide");
}

} // namespace
