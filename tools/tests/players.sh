# Sourced by the scripted runs: registered players whose client remembers them.

# register_player PORT MOBILE PASSWORD MAC FOLDER
# Registers MOBILE on the entry server at PORT (one plain JSON object in, a 4-byte length and the
# body back) and leaves in FOLDER what the login form keeps for a remembered account, past the
# first-day guides. Prints the refusal and returns 1 when the server says no.
register_player() {
    local port="$1" mobile="$2" password="$3" mac="$4" folder="$5" digest answer
    digest="$(printf '%s' "$password" | md5sum | cut -d' ' -f1 | tr 'a-f' 'A-F')"
    exec 3<>"/dev/tcp/127.0.0.1/$port"
    printf '{"system":1,"username":"%s","pwd":"%s","mac":"%s","tuijian":0}' "$mobile" "$digest" "$mac" >&3
    answer="$(tail -c +5 <&3)"
    exec 3<&-
    if [[ "$answer" != *'"response":1'* ]]; then
        echo "$answer"
        return 1
    fi
    mkdir -p "$folder"
    cat >"$folder/UserDefault.xml" <<XML
<?xml version="1.0" encoding="utf-8" ?>
<userDefaultRoot>
    <userName>$mobile</userName>
    <pwd>$password</pwd>
    <bRememberPwd>true</bRememberPwd>
    <isRegisterPlayer>true</isRegisterPlayer>
    <main_hadGuide>true</main_hadGuide>
    <wall_hadGuide>true</wall_hadGuide>
</userDefaultRoot>
XML
    chmod 600 "$folder/UserDefault.xml"
}
