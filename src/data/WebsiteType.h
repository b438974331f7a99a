#pragma once

namespace Vexal {

// The type flags of a website's "Type" column. A website may carry several
// at once (the column holds their OR); the numbers are stored and exchanged.
namespace WebsiteType {

enum Flag : int {
    None = 0,
    UserDefined = 2,
    Email = 4,
    Articles = 8,
    Blogs = 16,
    Directories = 32,
    Forums = 64,
    SocialBookmarks = 128,
    VideoDirectories = 256
};

constexpr Flag lowest = UserDefined;
constexpr Flag highest = VideoDirectories;

} // namespace WebsiteType

} // namespace Vexal
