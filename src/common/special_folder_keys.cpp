#include "common/special_folder_keys.h"

#include <array>

#include "common/text.h"

namespace tidemark {

namespace {

using Through = FolderRoute::Through;

struct KeyRow {
    std::string_view key;
    FolderRoute route;
    // Compared only after the user's name.
    bool afterUserName = false;
};

constexpr FolderRoute Script() { return {Through::ScriptHost, 0, {}}; }
constexpr FolderRoute Number(int csidl) { return {Through::ShellNumber, csidl, {}}; }
constexpr FolderRoute Shell(std::string_view shellPath) { return {Through::ShellPath, 0, shellPath}; }

constexpr int kProfile = 40;

// In the order they are compared.
constexpr std::array kRows = {
    KeyRow{"programs", Script()}, KeyRow{"mydocuments", Script()}, KeyRow{"favorites", Script()},
    KeyRow{"startup", Script()}, KeyRow{"recent", Script()}, KeyRow{"sendto", Script()},
    KeyRow{"startmenu", Script()}, KeyRow{"desktop", Script()}, KeyRow{"nethood", Script()},
    KeyRow{"fonts", Script()}, KeyRow{"templates", Script()}, KeyRow{"allusersstartmenu", Script()},
    KeyRow{"allusersprograms", Script()}, KeyRow{"allusersstartup", Script()},
    KeyRow{"allusersdesktop", Script()}, KeyRow{"appdata", Script()}, KeyRow{"printhood", Script()},
    KeyRow{"プログラム", Number(2)},
    KeyRow{"documents", Number(5)}, KeyRow{"ドキュメント", Number(5)},
    KeyRow{"お気に入り", Number(6)},
    KeyRow{"スタートアップ", Number(7)},
    KeyRow{"最近使った項目", Number(8)},
    KeyRow{"送る", Number(9)},
    KeyRow{"スタートメニュー", Number(11)}, KeyRow{"スタート メニュー", Number(11)},
    KeyRow{"ミュージック", Number(13)}, KeyRow{"mymusic", Number(13)}, KeyRow{"music", Number(13)},
    KeyRow{"ビデオ", Number(14)}, KeyRow{"myvideos", Number(14)}, KeyRow{"videos", Number(14)},
    KeyRow{"デスクトップ", Number(16)},
    KeyRow{"network shortcuts", Number(19)},
    KeyRow{"フォント", Number(20)},
    KeyRow{"テンプレート", Number(21)},
    KeyRow{"パブリックのスタートメニュー", Number(22)}, KeyRow{"パブリックのスタート メニュー", Number(22)},
    KeyRow{"パブリックのプログラム", Number(23)},
    KeyRow{"パブリックのスタートアップ", Number(24)},
    KeyRow{"パブリックのデスクトップ", Number(25)}, KeyRow{"パブリック デスクトップ", Number(25)},
    KeyRow{"roaming", Number(26)},
    KeyRow{"printer shortcuts", Number(27)}, KeyRow{"プリンター", Number(27)}, KeyRow{"プリンタ", Number(27)},
    KeyRow{"printers", Number(27)}, KeyRow{"printer", Number(27)},
    KeyRow{"local", Number(28)}, KeyRow{"ローカル", Number(28)},
    KeyRow{"パブリックのお気に入り", Number(31)}, KeyRow{"allusersfavorites", Number(31)},
    KeyRow{"inetcache", Number(32)}, KeyRow{"cache", Number(32)}, KeyRow{"キャッシュ", Number(32)},
    KeyRow{"inetcookies", Number(33)}, KeyRow{"cookies", Number(33)}, KeyRow{"クッキー", Number(33)},
    KeyRow{"history", Number(34)}, KeyRow{"ヒストリー", Number(34)}, KeyRow{"ヒストリ", Number(34)},
    KeyRow{"allusersprogramdata", Number(35)}, KeyRow{"allusersappdata", Number(35)},
    KeyRow{"windows", Number(36)}, KeyRow{"ウィンドウズ", Number(36)},
    KeyRow{"system32", Number(37)},
    KeyRow{"programfiles", Number(38)}, KeyRow{"program files", Number(38)},
    KeyRow{"mypicture", Number(39)}, KeyRow{"picture", Number(39)}, KeyRow{"ピクチャー", Number(39)},
    KeyRow{"ピクチャ", Number(39)},
    KeyRow{"profile", Number(kProfile)}, KeyRow{"ユーザ", Number(kProfile)}, KeyRow{"ユーザー", Number(kProfile)},
    KeyRow{"user", Number(kProfile)},
    KeyRow{"syswow64", Number(41)}, KeyRow{"systemx86", Number(41)},
    KeyRow{"program files (x86)", Number(42)}, KeyRow{"programfilesx86", Number(42)},
    KeyRow{"プログラムx86", Number(42)},
    KeyRow{"common files", Number(43)}, KeyRow{"commonFiles", Number(43)},
    KeyRow{"common filesx86", Number(44)}, KeyRow{"commonFilesx86", Number(44)},
    KeyRow{"alluserstemplates", Number(45)}, KeyRow{"パブリックのテンプレート", Number(45)},
    KeyRow{"allusersdocuments", Number(46)}, KeyRow{"パブリックのドキュメント", Number(46)},
    KeyRow{"パブリックのミュージック", Number(53)}, KeyRow{"allusersmusic", Number(53)},
    KeyRow{"パブリックのピクチャ", Number(54)}, KeyRow{"alluserspictures", Number(54)},
    KeyRow{"パブリックのビデオ", Number(55)}, KeyRow{"allusersvideos", Number(55)},
    KeyRow{"resources", Number(56)}, KeyRow{"リソース", Number(56)},
    KeyRow{"oem links", Number(58)},
    KeyRow{"一時書き込みフォルダー", Number(59)}, KeyRow{"Burn", Number(59)},
    KeyRow{"allusersdownload", Shell("shell:CommonDownloads")},
    KeyRow{"download", Shell("shell:Downloads")}, KeyRow{"ダウンロード", Shell("shell:Downloads"), true},
    KeyRow{"3dobjects", Shell("Shell:3D Objects")}, KeyRow{"3d objects", Shell("Shell:3D Objects")},
    KeyRow{"3D オブジェクト", Shell("Shell:3D Objects"), true},
    KeyRow{"userprofiles", Shell("shell:UserProfiles")}, KeyRow{"users", Shell("shell:UserProfiles")},
};

std::optional<FolderRoute> LookUpRows(const std::string& loweredKey, bool afterUserName) {
    for (const KeyRow& row : kRows)
        if (row.afterUserName == afterUserName && LowerAscii(row.key) == loweredKey) return row.route;
    return std::nullopt;
}

}  // namespace

std::optional<FolderRoute> LookUpFolderKey(std::string_view key, std::string_view userName) {
    const std::string lowered = LowerAscii(key);
    if (auto route = LookUpRows(lowered, false)) return route;
    if (!userName.empty() && LowerAscii(userName) == lowered) return Number(kProfile);
    return LookUpRows(lowered, true);
}

bool IsAcceptedFolderNumber(std::int16_t number) {
    if (number < 1 || number > 61) return false;
    for (int refused : {12, 15, 50, 51, 52, 57, 60})
        if (number == refused) return false;
    return true;
}

}  // namespace tidemark
