#include "new_story/new_story_readme.h"

namespace content {

QString newStoryReadme() {
    return QStringLiteral(R"(ZOA の物語 / A ZOA story
========================

このフォルダーは、そのまま遊べる物語のたねです。
This folder holds a story that plays as it is, for you to make your own.

ファイル / Files
----------------
story/      場面ごとの台本 (UTF-8 のテキスト)。ファイル名が場面の名前です。
            One script per scene (UTF-8 text), named after its scene.
  zoa.txt           物語のはじまり / the opening
  char<人物><番号>.txt  人物 0-4 との場面 (char25.txt: 人物 2 の場面 5)
                    a meeting with character 0-4 (char25.txt: character 2, scene 5)
  a_<番号>.txt, b_<番号>.txt
                    答え a / b のあとの場面 / the scenes that follow answer a or b
  name_end.txt      エンディング / the ending
  end.txt           クレジット (タイトルを右クリック) / the credits (right-click the title)
pictures/   絵 (PNG, JPEG, BMP など)。opn はタイトル、char<人物> はその人物の場面、
            <人物> だけの名前はその人物の顔です。同じ名前の絵に置きかえてください。
            Pictures (PNG, JPEG, BMP, ...): opn is the title, char<c> character c's scenes,
            <c> alone character c's face. Replace each with a picture of the same name.
            名前.description は絵の説明 (UTF-8)。画面読み上げソフトが読みます。顔の説明は
            だれの顔かではじめます。 NAME.description describes picture NAME for screen
            readers (UTF-8 text); a face's says first whose face it is.
sounds/     bgm.wav 音楽、se.wav 行の終わりの音、se2.wav 選択の音 (WAV, Ogg, FLAC)
            bgm.wav the music, se.wav the end of each line, se2.wav choices

台本の書き方 / Writing a script
-------------------------------
各行は一文字ずつ表示されます。 Each line is typed into the text window.
img[名前]   絵 pictures/名前 を出します (最後の行には置けません)
            shows the picture of that name (never as the last line)
>           選択: 次の行が答え a、その次が答え b です
            a choice: the next line is answer a, the one after it answer b

五つの手順 / Five steps
-----------------------
1. zoa-content new mystory
   このフォルダーを作ります (済み) / makes this folder (done)
2. zoa-content play zoa mystory --watch
   はじまりの場面を遊びます / plays the opening
3. story/zoa.txt を書きかえて保存すると、場面がはじめから流れます
   edit story/zoa.txt and save it: the scene plays again from its start
4. zoa-content check mystory
   間違いを探します / finds mistakes
5. zoa-content map mystory -o mystory.png --size 1920x1080
   物語の地図を描きます / draws the story's map

くわしくは / More: man zoa-content
)");
}

} // namespace content
