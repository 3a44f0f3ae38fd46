#pragma once

#include <QtGlobal>

// The objectNames and texts of the intro window "frmLendora" and the splash
// window "frmSplash". Tests find the shapes, the timer and the button by
// these names; users know the windows by their texts: they stay exactly as
// they are. Deliberate, and never to be corrected: the splash names the
// platform "OS: Windows" whatever it runs on, and both windows call their
// slogan "Label1".
// Texts are the sources of the windows' tr().
namespace lendora::intro::names {

constexpr const char* introWindow = "frmLendora";
// The shapes; "shp1" and "Shape3" start outside and move in on the tick.
constexpr const char* shapes[] = {"Shape1", "Shape2", "Shp0", "shp1", "Shape3"};
constexpr const char* movingShape = "shp1";
constexpr const char* risingShape = "Shape3";
constexpr const char* lines[] = {"Line1", "Line2"};
constexpr const char* slogan = "Label1";
constexpr const char* timer = "Timer1";
constexpr const char* sloganText =
    QT_TRANSLATE_NOOP("lendora::IntroWindow", "Grab Your Competitor's Market Share");

constexpr const char* splashWindow = "frmSplash";
constexpr const char* splashFrame = "Frame1";
constexpr const char* productName = "lblProductName";
constexpr const char* tagline = "Label1";
constexpr const char* platform = "lblPlatform";
constexpr const char* startButton = "cmdTry";
constexpr const char* productText = QT_TRANSLATE_NOOP("lendora::SplashWindow", "Lendora 2012");
constexpr const char* taglineText =
    QT_TRANSLATE_NOOP("lendora::SplashWindow", "For Banks and Financial Enterprises");
constexpr const char* platformText = QT_TRANSLATE_NOOP("lendora::SplashWindow", "OS: Windows");
constexpr const char* startText = QT_TRANSLATE_NOOP("lendora::SplashWindow", "Start Lendora");

} // namespace lendora::intro::names
