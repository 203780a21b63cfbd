#include "common/special_folder_keys.h"

#include <array>

#include "common/text.h"

namespace tidemark {

namespace {

using Through = FolderRoute::Through;

constexpr FolderRoute Script() { return {Through::ScriptHost, 0, {}}; }
constexpr FolderRoute Number(int csidl) { return {Through::ShellNumber, csidl, {}}; }
constexpr FolderRoute Shell(std::string_view shellPath) { return {Through::ShellPath, 0, shellPath}; }

constexpr int kProfile = 40;

struct KeyRow {
    FolderRoute route;
    std::array<std::string_view, 5> keys;  // the unused places stay empty
};

// No key is in two rows, so only the place of the user's name among them matters.
// clang-format off
constexpr KeyRow kRows[] = {
    {Script(), {"programs", "mydocuments", "favorites", "startup", "recent"}},
    {Script(), {"sendto", "startmenu", "desktop", "nethood", "fonts"}},
    {Script(), {"templates", "allusersstartmenu", "allusersprograms", "allusersstartup", "allusersdesktop"}},
    {Script(), {"appdata", "printhood"}},
    {Number(2), {"プログラム"}},
    {Number(5), {"documents", "ドキュメント"}},
    {Number(6), {"お気に入り"}},
    {Number(7), {"スタートアップ"}},
    {Number(8), {"最近使った項目"}},
    {Number(9), {"送る"}},
    {Number(11), {"スタートメニュー", "スタート メニュー"}},
    {Number(13), {"ミュージック", "mymusic", "music"}},
    {Number(14), {"ビデオ", "myvideos", "videos"}},
    {Number(16), {"デスクトップ"}},
    {Number(19), {"network shortcuts"}},
    {Number(20), {"フォント"}},
    {Number(21), {"テンプレート"}},
    {Number(22), {"パブリックのスタートメニュー", "パブリックのスタート メニュー"}},
    {Number(23), {"パブリックのプログラム"}},
    {Number(24), {"パブリックのスタートアップ"}},
    {Number(25), {"パブリックのデスクトップ", "パブリック デスクトップ"}},
    {Number(26), {"roaming"}},
    {Number(27), {"printer shortcuts", "プリンター", "プリンタ", "printers", "printer"}},
    {Number(28), {"local", "ローカル"}},
    {Number(31), {"パブリックのお気に入り", "allusersfavorites"}},
    {Number(32), {"inetcache", "cache", "キャッシュ"}},
    {Number(33), {"inetcookies", "cookies", "クッキー"}},
    {Number(34), {"history", "ヒストリー", "ヒストリ"}},
    {Number(35), {"allusersprogramdata", "allusersappdata"}},
    {Number(36), {"windows", "ウィンドウズ"}},
    {Number(37), {"system32"}},
    {Number(38), {"programfiles", "program files"}},
    {Number(39), {"mypicture", "picture", "ピクチャー", "ピクチャ"}},
    {Number(kProfile), {"profile", "ユーザ", "ユーザー", "user"}},
    {Number(41), {"syswow64", "systemx86"}},
    {Number(42), {"program files (x86)", "programfilesx86", "プログラムx86"}},
    {Number(43), {"common files", "commonFiles"}},
    {Number(44), {"common filesx86", "commonFilesx86"}},
    {Number(45), {"alluserstemplates", "パブリックのテンプレート"}},
    {Number(46), {"allusersdocuments", "パブリックのドキュメント"}},
    {Number(53), {"パブリックのミュージック", "allusersmusic"}},
    {Number(54), {"パブリックのピクチャ", "alluserspictures"}},
    {Number(55), {"パブリックのビデオ", "allusersvideos"}},
    {Number(56), {"resources", "リソース"}},
    {Number(58), {"oem links"}},
    {Number(59), {"一時書き込みフォルダー", "Burn"}},
    {Shell("shell:CommonDownloads"), {"allusersdownload"}},
    {Shell("shell:Downloads"), {"download"}},
    {Shell("Shell:3D Objects"), {"3dobjects", "3d objects"}},
    {Shell("shell:UserProfiles"), {"userprofiles", "users"}},
};

// Compared only after the user's name.
constexpr KeyRow kRowsAfterUserName[] = {
    {Shell("shell:Downloads"), {"ダウンロード"}},
    {Shell("Shell:3D Objects"), {"3D オブジェクト"}},
};
// clang-format on

template <std::size_t N>
std::optional<FolderRoute> LookUpRows(const KeyRow (&rows)[N], const std::string& loweredKey) {
    for (const KeyRow& row : rows)
        for (std::string_view key : row.keys)
            if (!key.empty() && LowerAscii(key) == loweredKey) return row.route;
    return std::nullopt;
}

}  // namespace

std::optional<FolderRoute> LookUpFolderKey(std::string_view key, std::string_view userName) {
    const std::string lowered = LowerAscii(key);
    if (auto route = LookUpRows(kRows, lowered)) return route;
    if (!userName.empty() && LowerAscii(userName) == lowered) return Number(kProfile);
    return LookUpRows(kRowsAfterUserName, lowered);
}

bool IsAcceptedFolderNumber(std::int16_t number) {
    if (number < 1 || number > 61) return false;
    for (int refused : {12, 15, 50, 51, 52, 57, 60})
        if (number == refused) return false;
    return true;
}

}  // namespace tidemark
