<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>Doppelklicken Sie auf einen Eintrag, um ihn in das vorherige Fenster einzufügen</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>Hier klicken, um die globalen Tastenkürzel einzuschalten</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>Hier klicken, um die globalen Tastenkürzel auszuschalten</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>Tastenkürzel festlegen</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>Klicken Sie auf einen Bereich, um seine Tastenkürzel festzulegen</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>Links: Kürzel zum Durchblättern. Rechts: Kürzel für feste Plätze.</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>Tastenkürzel aktiv</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>Durchblättern</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>Zeile unter dem Mauszeiger kopieren</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>Oder die Leertaste drücken 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>Datei kopieren</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>Dateien aller ausgewählten Einträge kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Alle ausgewählten Zeilen von oben nach unten in das vorherige Fenster einfügen</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>Oder die Eingabetaste drücken 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>Invers einfügen</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Alle ausgewählten Zeilen von unten nach oben in das vorherige Fenster einfügen</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>Text spiegeln</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>Text von rechts nach links gespiegelt in das vorherige Fenster einfügen</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>Dateien aller ausgewählten Einträge mit dem Standardprogramm öffnen</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>In einem Fenster anzeigen, das im Vordergrund bleibt</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>Ausgewählte Einträge als Favoriten markieren
Favoriten lassen sich nur unter „Favoriten“ löschen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>Alle ausgewählten Zeilen löschen
Oder die Entf-Taste drücken 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5-Hash</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>MD5-Hash des aktuellen Eintrags ermitteln</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64-Kodierung</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>Base64-Kodierung des aktuellen Eintrags ermitteln</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Programmfunktionen einstellen</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Verlauf der Zwischenablage auf allen Geräten synchronisieren</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>Kodieren</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>quillbox</source>
        <translation>quillbox</translation>
    </message>
    <message>
        <source>本地列表已与云上同步</source>
        <translation>Mit der Cloud synchronisiert</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>Aufzeichnung läuft wieder</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>Aufzeichnung pausiert</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>Dunkler Modus an</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>Heller Modus an</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  Ausgewählt: </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> Eintrag</numerusform>
            <numerusform> Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, heute </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform>-mal kopiert</numerusform>
            <numerusform>-mal kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>Noch nichts hier.
Kopieren Sie etwas mit Strg+C.</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  Datei in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>Datei kopiert</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>Auswahl löschen?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>Hier klicken, um die Zwischenablage aufzuzeichnen</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>Hier klicken, um die Aufzeichnung der Zwischenablage zu pausieren</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Hier klicken, um zum dunklen Modus zu wechseln</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>Hier klicken, um zum hellen Modus zu wechseln</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>Hier klicken, um die Einstellungen zu öffnen</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>Klicken Sie auf einen Bereich, um zu wählen, was die Liste zeigt</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Verlauf der Zwischenablage auf allen Geräten synchronisieren</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Programmfunktionen einstellen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>Gelöscht: </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>Fenstertitel: </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>Erstellt: </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>Geändert: </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>[Bilddatei]</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>Zeichen: </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>Heute </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - Standard</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [Text, Bild, Datei]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [Text, Datei, Bild]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [Bild, Text, Datei]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [Bild, Datei, Text]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [Datei, Text, Bild]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [Datei, Bild, Text]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>Anzeige: Text</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>Anzeige: Bilder</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>Anzeige: Dateien</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>Anzeige: alles</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> kopiert</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  Mehrere Dateien lassen sich nicht kodieren</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>Nur eine Datei auf einmal</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  Base64 für Dateien noch nicht möglich</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>Noch kein Base64 für Dateien</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>−</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>+</translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform> Favorit</numerusform>
            <numerusform> Favoriten</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  Bild in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>Bild kopiert</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  Text in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>Text kopiert</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform> Eintrag</numerusform>
            <numerusform> Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>Tastenkürzel: Eingabetaste 🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>Tastenkürzel: Esc 🪂</translation>
    </message>
</context>
</TS>
