#include "OptionCaptions.h"

namespace r5k27 {
namespace {

namespace T = OptionWindowText;

constexpr CaptionedOption kGeneral[] = {
    {OptionId::Tot, &T::tot},
    {OptionId::TxDisplay, &T::indic},
    {OptionId::MicLevel, &T::mic},
    {OptionId::ExtSelect, &T::asqLevel},
    {OptionId::Nog, &T::nog},
    {OptionId::BacklightColor, &T::color},
    {OptionId::ScanMode, &T::scm},
    {OptionId::Fin, &T::fin},
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
    {OptionId::PubBotCode, &T::bot},   {OptionId::PubEotCode, &T::eot},
    {OptionId::PubCallCode, &T::call}, {OptionId::PubHiCut, &T::hiCut},
    {OptionId::PubNbAnl, &T::nbAnl},   {OptionId::PubEcho, &T::echo},
    {OptionId::PubAdd10K, &T::add10k}, {OptionId::PubRogerTone, &T::roger},
    {OptionId::PubMode, &T::mode},
};

constexpr CaptionedOption kModeEnable[] = {
    {OptionId::FmEnable, &T::fmEnable},   {OptionId::AmEnable, &T::amEnable},
    {OptionId::UsbEnable, &T::usbEnable}, {OptionId::LsbEnable, &T::lsbEnable},
    {OptionId::PaEnable, &T::paEnable},
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

QString optionCaption(const CaptionedOption& option, int lang) {
    const QString caption = option.text->caption.in(lang);
    return option.context ? option.context->caption.in(lang) + u' ' + caption : caption;
}

} // namespace r5k27
