#include "OptionCaptions.h"

namespace r5k27 {
namespace {

namespace T = OptionWindowText;

constexpr CaptionedOption kGeneral[] = {
    {OptionId::Tot, &T::tot},
    {OptionId::TxDisplay, &T::indic},
    {OptionId::MicLevel, &T::mic},
    {OptionId::ExtSelect, &T::asqLevel},
    {OptionId::NoiseGate, &T::noiseGate},
    {OptionId::BacklightColor, &T::color},
    {OptionId::ScanMode, &T::scm},
    {OptionId::FinTone, &T::finTone},
    {OptionId::ExtSwitch, &T::freqCh},
    {OptionId::ExtFreq, &T::txOffset},
    {OptionId::BeepOn, &T::beep},
    {OptionId::SwrProtect, &T::swrProtect},
    {OptionId::SwrMax, &T::swrMax, &T::swrProtect},
    {OptionId::BattProtect, &T::battProtect},
    {OptionId::BattMin, &T::battMin, &T::battProtect},
    {OptionId::BattMax, &T::battMax, &T::battProtect},
};

constexpr CaptionedOption kPublic[] = {
    {OptionId::PubBotCode, &T::bot, nullptr, "Combo2_6"},
    {OptionId::PubEotCode, &T::eot, nullptr, "Combo2_7"},
    {OptionId::PubCallCode, &T::call, nullptr, "Combo2_8"},
    {OptionId::PubHiCut, &T::hiCut, nullptr, "Combo2_0"},
    {OptionId::PubNbAnl, &T::nbAnl, nullptr, "Combo2_1"},
    {OptionId::PubEcho, &T::echo, nullptr, "Combo2_2"},
    {OptionId::PubAdd10K, &T::add10k, nullptr, "Combo2_3"},
    {OptionId::PubRogerTone, &T::roger, nullptr, "Combo2_5"},
    {OptionId::PubMode, &T::mode, nullptr, "Combo1_18"},
};

constexpr CaptionedOption kModeEnable[] = {
    {OptionId::FmEnable, &T::fmEnable, nullptr, "Check1_5"},
    {OptionId::AmEnable, &T::amEnable, nullptr, "Check1_6"},
    {OptionId::UsbEnable, &T::usbEnable, nullptr, "Check1_7"},
    {OptionId::LsbEnable, &T::lsbEnable, nullptr, "Check1_8"},
    {OptionId::PaEnable, &T::paEnable, nullptr, "Check1_9"},
};

constexpr OptionFrame kFrames[] = {
    {nullptr, kGeneral},
    {&T::publicFrame, kPublic},
    {&T::modeEnableFrame, kModeEnable},
};

} // namespace

std::span<const OptionFrame> optionWindowFrames() {
    return kFrames;
}

QString optionCaption(const CaptionedOption& option, Language lang) {
    const QString caption = option.text->caption.in(lang);
    return option.context ? option.context->caption.in(lang) + u' ' + caption : caption;
}

} // namespace r5k27
