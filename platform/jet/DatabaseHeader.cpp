#include "platform/jet/DatabaseHeader.h"

#include "platform/jet/JetError.h"
#include "platform/jet/Rc4.h"
#include "platform/jet/TextCodec.h"

#include <cmath>
#include <limits>

namespace velox::jet {

namespace {

using namespace format;

QByteArray passwordMask(double creationDate) {
    QByteArray mask(HeaderPasswordJet4, '\0');
    const double day = std::floor(creationDate);
    // A damaged header's date may be no day a 32-bit number holds (or NaN):
    // such a date masks nothing, as a date that is not finite does.
    if (!(day >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          day <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        return mask;
    }
    const auto seed = static_cast<std::uint32_t>(static_cast<std::int32_t>(day));
    for (int i = 0; i < mask.size(); i += 4) {
        put32(mask.data() + i, seed);
    }
    return mask;
}

[[noreturn]] void unrecognized() {
    throw JetError(errors::UnrecognizedFormat, QStringLiteral("Unrecognized database format."));
}

} // namespace

DatabaseHeader DatabaseHeader::parse(const char* data, qsizetype size) {
    if (size < Jet3PageSize || data[0] != PageDatabaseDefinition ||
        QByteArrayView(data + 4, 15) != QByteArrayView(HeaderEngineName)) {
        unrecognized();
    }
    DatabaseHeader h;
    const auto version = static_cast<std::uint8_t>(data[HeaderVersionOffset]);
    if (version == 0) {
        h.version = Version::Jet3;
        h.pageSize = Jet3PageSize;
    } else if (version == 1) {
        h.version = Version::Jet4;
        h.pageSize = Jet4PageSize;
        if (size < Jet4PageSize) {
            unrecognized();
        }
    } else {
        unrecognized();
    }
    const int encrypted = h.version == Version::Jet3 ? HeaderEncryptedJet3 : HeaderEncryptedJet4;
    QByteArray plain(data, HeaderEncryptedStart + encrypted);
    rc4(HeaderRc4Key, sizeof HeaderRc4Key, plain.data() + HeaderEncryptedStart, encrypted);
    h.databaseKey = u32(plain.constData() + HeaderDatabaseKeyOffset);

    if (h.version == Version::Jet3) {
        QByteArray bytes = plain.mid(HeaderPasswordOffset, HeaderPasswordJet3);
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0) {
            bytes.truncate(nul);
        }
        h.password =
            TextCodec::decode(Version::Jet3, bytes.constData(), static_cast<int>(bytes.size()));
    } else {
        double date = 0;
        std::memcpy(&date, plain.constData() + HeaderCreationDateJet4, sizeof date);
        h.creationDate = date;
        QByteArray bytes = plain.mid(HeaderPasswordOffset, HeaderPasswordJet4);
        if (std::isfinite(date)) {
            const QByteArray mask = passwordMask(date);
            for (int i = 0; i < bytes.size(); ++i) {
                bytes[i] = static_cast<char>(bytes[i] ^ mask[i]);
            }
        }
        QString text =
            TextCodec::decode(Version::Jet4, bytes.constData(), static_cast<int>(bytes.size()));
        const qsizetype nul = text.indexOf(QChar(0));
        if (nul >= 0) {
            text.truncate(nul);
        }
        h.password = text;
    }
    return h;
}

QByteArray DatabaseHeader::buildJet4() const {
    QByteArray page(Jet4PageSize, '\0');
    char* p = page.data();
    p[0] = 0x00;
    p[1] = 0x01;
    std::memcpy(p + 4, HeaderEngineName, sizeof HeaderEngineName);
    p[HeaderVersionOffset] = static_cast<char>(Version::Jet4);
    // The constant run at the start of the scrambled area, as Access writes it.
    static constexpr std::uint32_t Lead[] = {0x0100, 0x0101, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i) {
        put32(p + HeaderEncryptedStart + std::ptrdiff_t{4} * i, Lead[i]);
    }
    put16(p + HeaderCodePageOffset, CodePage1252);
    put32(p + HeaderDatabaseKeyOffset, 0);
    QByteArray pwd = TextCodec::encodeUcs2(password.left(MaxPasswordLength));
    pwd.resize(HeaderPasswordJet4, '\0');
    const QByteArray mask = passwordMask(creationDate);
    for (int i = 0; i < HeaderPasswordJet4; ++i) {
        p[HeaderPasswordOffset + i] = static_cast<char>(pwd[i] ^ mask[i]);
    }
    put32(p + HeaderSortOrderJet4, GeneralSortOrder);
    std::memcpy(p + HeaderCreationDateJet4, &creationDate, sizeof creationDate);
    rc4(HeaderRc4Key, sizeof HeaderRc4Key, p + HeaderEncryptedStart, HeaderEncryptedJet4);
    return page;
}

} // namespace velox::jet
