#pragma once

#include <QString>

// The maker's web site, written two ways; on the reserved .example domain so that nothing,
// a test least of all, ever reaches a real site.
namespace addresses {
inline const QString WebsiteUrl = QStringLiteral("https://www.quorvane.example/sumwright/");
inline const QString ExitUrl = QStringLiteral("http://quorvane.example/sumwright");
inline const QString DonationUrl = QStringLiteral("https://www.quorvane.example/donate");
} // namespace addresses
