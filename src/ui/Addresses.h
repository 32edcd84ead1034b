#pragma once

#include <QString>

// The maker's web site, written two ways; on the reserved .example domain so that nothing,
// a test least of all, ever reaches a real site. The donation page is shown, not opened.
namespace sumwright::addresses {
inline const QString WebsiteUrl = QStringLiteral("http://www.quorvane.example/");
inline const QString ExitUrl = QStringLiteral("http://quorvane.example");
inline const QString DonationUrl = QStringLiteral("www.quorvane.example/donate");
} // namespace sumwright::addresses
