#pragma once

#include <QString>
#include <QUrl>

// Where the program sends the user: the maker's pages and the support mail address. Kept
// together so that a move of the site or the mailbox is a change in one place.
namespace ProductLinks {

inline constexpr char kProductName[] = "Glossmere";
inline constexpr char kMakerPage[] = "https://glossmere.org/";
inline constexpr char kDesignerPage[] = "https://glossmere.org/design";
inline constexpr char kSubscriptionPage[] = "https://glossmere.org/subscribe";
inline constexpr char kSupportAddress[] = "support@glossmere.org";

// A new mail to support whose subject names the product and its version, every blank of
// the subject written as "%20": "mailto:support@glossmere.org?subject=Glossmere%201.0.0".
QUrl SupportMail(const QString& version);

} // namespace ProductLinks
