// SPDX-License-Identifier: GPL-3.0-or-later
// The SkinCatalogue and the skin engine, loaded into this process from the build.
#include "core/contrast.h"
#include "skins/catalogue.h"
#include "skins/engine/skin_image.h"

#include <QApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cmath>
#include <random>
#include <set>

using namespace Qt::Literals::StringLiterals;
using skinimage::Role;

namespace {

using AttachFn = int (*)(const unsigned char *, int, const char *, int, int, int);

AttachFn engineEntry()
{
    static void *lib = ::dlopen(SKIN_ENGINE_FILE, RTLD_NOW | RTLD_LOCAL);
    return lib ? reinterpret_cast<AttachFn>(::dlsym(lib, "SkinH_AttachRes")) : nullptr;
}

std::vector<unsigned char> bytesOf(skins::ByteBuffer b) { return {b.bytes, b.bytes + b.count}; }

skinimage::Skin decoded(int n)
{
    const auto image = bytesOf(skins::skinImage(n));
    return skinimage::decode(image.data(), image.size()).value();
}

QColor colourOf(const skinimage::Skin &skin, Role role)
{
    const skinimage::Rgba c = *skin.colour(role);
    return QColor(c.r, c.g, c.b);
}

/// Rewrites the checksum so that a changed image gets past it to the record checks.
void sealChecksum(std::vector<unsigned char> &image)
{
    if (image.size() < skinimage::HeaderSize)
        return;
    const std::uint32_t crc = skinimage::crc32(image.data() + skinimage::HeaderSize, image.size() - skinimage::HeaderSize);
    for (int i = 0; i < 4; ++i)
        image[12 + size_t(i)] = std::uint8_t(crc >> (8 * i));
}

} // namespace

TEST(SkinCatalogue, ThirtyThreeDistinctReadableLooks)
{
    EXPECT_EQ(skins::skinImage(0).count, 0u);
    EXPECT_EQ(skins::skinImage(0).bytes, nullptr);
    EXPECT_EQ(skins::skinImage(34).count, 0u);
    std::set<QString> names, windows;
    int dark = 0, light = 0, highContrast = 0;
    for (int n = 1; n <= skins::SkinCount; ++n) {
        SCOPED_TRACE(n);
        const auto image = bytesOf(skins::skinImage(n));
        ASSERT_GE(image.size(), 4u);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(image.data()), 4), ".SHE");
        std::string why;
        const auto skin = skinimage::decode(image.data(), image.size(), &why);
        ASSERT_TRUE(skin) << why;
        names.insert(QString::fromStdString(skin->name));
        const QColor window = colourOf(*skin, Role::Window), text = colourOf(*skin, Role::WindowText);
        windows.insert(window.name());
        (core::relativeLuminance(window.rgb()) < 0.2 ? dark : light)++;
        // Every look keeps its captions readable, and selected text too.
        EXPECT_GE(core::contrastRatio(window.rgb(), text.rgb()), 7.0)
            << window.name().toStdString() << " / " << text.name().toStdString();
        EXPECT_GE(core::contrastRatio(colourOf(*skin, Role::Base).rgb(), colourOf(*skin, Role::Text).rgb()), 7.0);
        EXPECT_GE(core::contrastRatio(colourOf(*skin, Role::Highlight).rgb(),
                                      colourOf(*skin, Role::HighlightedText).rgb()),
                  3.0);
        if (core::contrastRatio(window.rgb(), text.rgb()) >= 19.0)
            ++highContrast;
    }
    EXPECT_EQ(names.size(), 33u);
    EXPECT_EQ(windows.size(), 33u);
    EXPECT_GE(dark, 10);
    EXPECT_GE(light, 10);
    EXPECT_GE(highContrast, 1);

    // The start look is light, calm and plain to read.
    const auto start = decoded(skins::StartSkin);
    EXPECT_GT(core::relativeLuminance(colourOf(start, Role::Window).rgb()), 0.8);
    EXPECT_EQ(colourOf(start, Role::Base), QColor(Qt::white));
    EXPECT_GE(core::contrastRatio(colourOf(start, Role::Base).rgb(), colourOf(start, Role::Text).rgb()), 12.0);
}

TEST(SkinEngine, EverySkinLoadsAndDressesOpenAndNewWindows)
{
    const AttachFn attach = engineEntry();
    ASSERT_NE(attach, nullptr) << ::dlerror();
    QWidget openBefore;
    openBefore.show();
    for (int n = 1; n <= skins::SkinCount; ++n) {
        SCOPED_TRACE(n);
        const QPalette before = QApplication::palette();
        auto image = bytesOf(skins::skinImage(n));
        ASSERT_EQ(attach(image.data(), int(image.size()), "", 0, 0, 0), 1);
        // The engine keeps nothing of the image: the caller frees it right after.
        std::fill(image.begin(), image.end(), 0);
        image.clear();
        image.shrink_to_fit();

        const auto skin = decoded(n);
        const QPalette after = QApplication::palette();
        EXPECT_NE(after, before);
        EXPECT_EQ(after.color(QPalette::Window), colourOf(skin, Role::Window));
        EXPECT_EQ(after.color(QPalette::Text), colourOf(skin, Role::Text));
        EXPECT_EQ(after.color(QPalette::Highlight), colourOf(skin, Role::Highlight));
        EXPECT_EQ(openBefore.palette().color(QPalette::Window), colourOf(skin, Role::Window));
        QPushButton fresh;
        EXPECT_EQ(fresh.palette().color(QPalette::ButtonText), colourOf(skin, Role::ButtonText));
        EXPECT_TRUE(qApp->styleSheet().contains(colourOf(skin, Role::Window).name()));
    }
}

/// Counts the style changes a widget is told of: each makes it measure and polish itself again.
class StyleChangeCounter : public QObject {
public:
    int changes = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        changes += e->type() == QEvent::StyleChange || e->type() == QEvent::PaletteChange;
        return false;
    }
};

TEST(SkinEngine, TheSkinAlreadyOnChangesNothingAndEverySkinDrawsThroughFusion)
{
    const AttachFn attach = engineEntry();
    ASSERT_NE(attach, nullptr) << ::dlerror();
    const int otherSkin = skins::StartSkin == 1 ? 2 : 1;
    const auto start = bytesOf(skins::skinImage(skins::StartSkin));
    const auto other = bytesOf(skins::skinImage(otherSkin));
    // Another style before any skin: the engine puts Fusion under its sheet.
    qApp->setStyleSheet({});
    QApplication::setStyle(u"Windows"_s);
    ASSERT_EQ(attach(start.data(), int(start.size()), "", 0, 0, 0), 1);
    QPushButton shown;
    shown.show();
    StyleChangeCounter counter;
    shown.installEventFilter(&counter);

    ASSERT_EQ(attach(start.data(), int(start.size()), "", 0, 0, 0), 1);
    EXPECT_EQ(counter.changes, 0);

    ASSERT_EQ(attach(other.data(), int(other.size()), "", 0, 0, 0), 1);
    EXPECT_GT(counter.changes, 0);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), colourOf(decoded(otherSkin), Role::Window));
    // Without the sheet, the style it drew through is left: the engine's marks over Fusion.
    qApp->setStyleSheet({});
    auto *proxy = qobject_cast<QProxyStyle *>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->baseStyle()->name(), u"fusion"_s);
}

TEST(SkinEngine, ASkinWithOnlyTheRequiredColoursIsEnough)
{
    const AttachFn attach = engineEntry();
    ASSERT_NE(attach, nullptr) << ::dlerror();
    // No frame colours and no mid colour to fall back on; a repeated record counts as the later one.
    skinimage::Skin skin;
    skin.name = "minimal";
    for (Role role : skinimage::RequiredRoles)
        skin.colours.push_back({role, skinimage::Group::All, {200, 200, 200, 255}});
    skin.colours.push_back({Role::Window, skinimage::Group::All, {10, 20, 30, 255}});
    const auto image = skinimage::encode(skin);
    ASSERT_EQ(attach(image.data(), int(image.size()), "", 0, 0, 0), 1);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
}

TEST(SkinEngine, RefusesWhatItCannotReadAndKeepsTheLook)
{
    const AttachFn attach = engineEntry();
    ASSERT_NE(attach, nullptr) << ::dlerror();
    const auto good = bytesOf(skins::skinImage(skins::StartSkin));
    ASSERT_EQ(attach(good.data(), int(good.size()), "", 0, 0, 0), 1);
    const QPalette palette = QApplication::palette();
    const QString sheet = qApp->styleSheet();

    // No image at all.
    EXPECT_EQ(attach(nullptr, 0, "", 0, 0, 0), 0);
    EXPECT_EQ(attach(nullptr, 500, "", 0, 0, 0), 0);
    EXPECT_EQ(attach(good.data(), 0, "", 0, 0, 0), 0);
    EXPECT_EQ(attach(good.data(), -5, "", 0, 0, 0), 0);

    // Every truncation of every skin, each in a buffer of exactly that size.
    for (int n = 1; n <= skins::SkinCount; ++n) {
        const auto image = bytesOf(skins::skinImage(n));
        for (size_t cut = 1; cut < image.size(); ++cut) {
            std::vector<unsigned char> part(image.begin(), image.begin() + long(cut));
            ASSERT_EQ(attach(part.data(), int(part.size()), "", 0, 0, 0), -1) << n << " cut at " << cut;
        }
    }

    // Oversized: trailing bytes, a length past the image, and a huge image claiming its length.
    auto longer = good;
    longer.resize(good.size() + 100, 0xAB);
    EXPECT_EQ(attach(longer.data(), int(good.size() + 1), "", 0, 0, 0), -1);
    EXPECT_EQ(attach(longer.data(), int(longer.size()), "", 0, 0, 0), -1);
    std::vector<unsigned char> huge(8 << 20, 0);
    std::copy(good.begin(), good.end(), huge.begin());
    const std::uint32_t hugeLength = std::uint32_t(huge.size());
    for (int i = 0; i < 4; ++i)
        huge[8 + size_t(i)] = std::uint8_t(hugeLength >> (8 * i));
    sealChecksum(huge);
    EXPECT_EQ(attach(huge.data(), int(huge.size()), "", 0, 0, 0), -1);

    // Random bytes, with and without a plausible header.
    std::mt19937 random(20240607);
    for (int i = 0; i < 3000; ++i) {
        std::vector<unsigned char> noise(random() % 600);
        for (auto &b : noise)
            b = std::uint8_t(random());
        if (i % 2 && noise.size() >= skinimage::HeaderSize) {
            std::copy_n(good.begin(), 8, noise.begin());
            for (int k = 0; k < 4; ++k)
                noise[8 + size_t(k)] = std::uint8_t(noise.size() >> (8 * k));
            sealChecksum(noise);
        }
        ASSERT_NE(attach(noise.data(), int(noise.size()), "", 0, 0, 0), 1) << "noise " << i;
    }
    EXPECT_EQ(QApplication::palette(), palette);
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST(SkinImage, DamagedRecordsAreRefusedWithoutReadingPastTheEnd)
{
    const auto good = bytesOf(skins::skinImage(skins::StartSkin));
    auto refusal = [](std::vector<unsigned char> image) {
        sealChecksum(image);
        std::string why;
        // A copy of exactly the image's size, so a read past the end shows under a memory checker.
        auto exact = std::make_unique<unsigned char[]>(image.size());
        std::copy(image.begin(), image.end(), exact.get());
        return skinimage::decode(exact.get(), image.size(), &why) ? std::string("accepted") : why;
    };
    EXPECT_EQ(refusal(good), "accepted");

    auto damaged = good;
    damaged[0] = 'X';
    EXPECT_EQ(refusal(damaged), "no .SHE marker");
    damaged = good;
    damaged[4] = 2;
    EXPECT_EQ(refusal(damaged), "unknown format version");
    damaged = good;
    damaged[6] += 1; // one record more than there are
    EXPECT_EQ(refusal(damaged), "record header runs past the end");
    damaged = good;
    damaged[6] -= 1; // one record fewer: the last one is left over
    EXPECT_EQ(refusal(damaged), "bytes after the last record");
    damaged = good;
    damaged[skinimage::HeaderSize + 2] = 0xFF; // the name claims more than the image holds
    damaged[skinimage::HeaderSize + 3] = 0xFF;
    EXPECT_EQ(refusal(damaged), "record runs past the end");
    damaged = good;
    damaged[12] ^= 1; // checksum left wrong
    std::string why;
    EXPECT_FALSE(skinimage::decode(damaged.data(), damaged.size(), &why));
    EXPECT_EQ(why, "checksum differs: the image is damaged");

    // A skin without the window colour cannot dress anything.
    auto skin = skinimage::decode(good.data(), good.size()).value();
    std::erase_if(skin.colours, [](const auto &e) { return e.role == Role::Window; });
    const auto withoutWindow = skinimage::encode(skin);
    EXPECT_EQ(refusal(withoutWindow), "a required colour is missing");

    // Many random changes past the checksum: each is read or refused, never more.
    std::mt19937 random(7);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        auto changed = good;
        for (int k = 0, count = 1 + int(random() % 4); k < count; ++k)
            changed[skinimage::HeaderSize + random() % (changed.size() - skinimage::HeaderSize)] = std::uint8_t(random());
        if (refusal(changed) == "accepted")
            ++accepted;
    }
    EXPECT_GT(accepted, 0);      // colour values change freely
    EXPECT_LT(accepted, 20000);  // structure changes are caught
}
