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
    <name>login_widget</name>
    <message>
        <source>尚未登录</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>请先输入有效账号或密码</source>
        <translation>Beide Felder ausfüllen</translation>
    </message>
    <message>
        <source>暂时无法连接服务器</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <source>请检查当前网络是否顺畅</source>
        <translation>Prüfen Sie Ihre Netzwerkverbindung</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>已经成功连接服务器</source>
        <translation>Mit dem Server verbunden</translation>
    </message>
    <message>
        <source>更新列表中..</source>
        <translation>Liste wird aktualisiert…</translation>
    </message>
    <message>
        <source>请检查账号与密码</source>
        <translation>Zugangsdaten prüfen</translation>
    </message>
    <message>
        <source>账号或密码输入有误</source>
        <translation>Konto oder Passwort ist falsch</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>Konto erstellt</translation>
    </message>
    <message>
        <source>现在可以开始登录了</source>
        <translation>Sie können sich jetzt anmelden</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Konto nicht erstellt</translation>
    </message>
    <message>
        <source>更换账号名称再试一试</source>
        <translation>Versuchen Sie einen anderen Kontonamen</translation>
    </message>
    <message>
        <source>更新完毕</source>
        <translation>Liste aktualisiert</translation>
    </message>
    <message>
        <source>当前列表内容已与云上同步</source>
        <translation>Die Liste ist mit der Cloud synchronisiert</translation>
    </message>
    <message>
        <source>登录失败次数过多，服务器已断开连接</source>
        <translation>Zu viele Versuche – getrennt</translation>
    </message>
    <message>
        <source>版本过低，服务器已断开连接</source>
        <translation>Version zu alt – getrennt</translation>
    </message>
    <message>
        <source>账号已停用，服务器已断开连接</source>
        <translation>Konto deaktiviert – getrennt</translation>
    </message>
    <message>
        <source>云端空间已满，服务器已断开连接</source>
        <translation>Cloud-Speicher voll – getrennt</translation>
    </message>
    <message>
        <source>服务器拒绝登录</source>
        <translation>Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>输入账户</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>勾选此选项启动程序时将自动登录</source>
        <translation>Beim Programmstart automatisch anmelden</translation>
    </message>
    <message>
        <source>如果尚未注册账号请先注册</source>
        <translation>Noch kein Konto? Registrieren Sie sich zuerst.</translation>
    </message>
    <message>
        <source>注册后请输入账号密码登录</source>
        <translation>Melden Sie sich danach mit Konto und Passwort an.</translation>
    </message>
    <message>
        <source>更新内容需要一段时间
</source>
        <translation>Die Aktualisierung kann etwas dauern
</translation>
    </message>
    <message>
        <source>更新完毕之后将自动刷新内容列表</source>
        <translation>Danach wird die Liste automatisch aktualisiert</translation>
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
    <message>
        <source>需要更新，前往下载？</source>
        <translation>Update herunterladen?</translation>
    </message>
    <message>
        <source>历史记录无法保存</source>
        <translation>Verlauf wird nicht gespeichert</translation>
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
<context>
    <name>settings_widget</name>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文本</source>
        <translation>Kopierten Text aufzeichnen</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的图片</source>
        <translation>Kopierte Bilder aufzeichnen</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文件路径</source>
        <translation>Pfade kopierter Dateien aufzeichnen</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>勾选此选项程序将跟随系统启动</source>
        <translation>Programm mit dem System starten</translation>
    </message>
    <message>
        <source>全屏冻结</source>
        <translation>Aus im Vollbild</translation>
    </message>
    <message>
        <source>勾选此选项在游戏等全屏模式下剪贴板快捷键将被禁用</source>
        <translation>Tastenkürzel der Zwischenablage im Vollbild (etwa bei Spielen) ausschalten</translation>
    </message>
    <message>
        <source>添加换行</source>
        <translation>Zeilenumbruch anfügen</translation>
    </message>
    <message>
        <source>勾选此选项将在粘贴内容结束位置自动补充换行</source>
        <translation>Nach jedem Einfügen einen Zeilenumbruch anfügen</translation>
    </message>
    <message>
        <source>跨屏粘贴</source>
        <translation>Geräteübergreifend</translation>
    </message>
    <message>
        <source>勾选此选项且此机器已登录
在另一台机器上登录后复制
即可在本机直接粘贴</source>
        <translation>Ist dieser Computer angemeldet, lässt sich,
was Sie auf einem anderen angemeldeten Computer kopieren,
hier direkt einfügen</translation>
    </message>
    <message>
        <source>自动粘贴</source>
        <translation>Auto-Einfügen</translation>
    </message>
    <message>
        <source>勾选此选项在主界面双击列表选项或以热键选中内容完毕时
将自动粘贴选中内容到上个编辑窗口</source>
        <translation>Nach einem Doppelklick auf einen Eintrag oder der Auswahl per Tastenkürzel
den Eintrag in das vorherige Fenster einfügen</translation>
    </message>
    <message>
        <source>图片预览</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>勾选此选项鼠标在图片选项上时将自动弹出预览界面</source>
        <translation>Vorschau zeigen, wenn der Mauszeiger auf einem Bild steht</translation>
    </message>
    <message>
        <source>点按此处设置预览图片时的图片缩小倍数</source>
        <translation>Hier klicken, um die Verkleinerung der Bildvorschau festzulegen</translation>
    </message>
    <message>
        <source>点按此处设置搜索引擎 [B - baidu, G - google]</source>
        <translation>Hier klicken, um die Suchmaschine zu wählen [B - Baidu, G - Google]</translation>
    </message>
    <message>
        <source>折叠显示</source>
        <translation>Kompaktansicht</translation>
    </message>
    <message>
        <source>勾选此选项时文本将折叠成单行显示
图片将以小图显示</source>
        <translation>Texte einzeilig und
Bilder als Miniaturen anzeigen</translation>
    </message>
    <message>
        <source>自动折叠</source>
        <translation>Auto-kompakt</translation>
    </message>
    <message>
        <source>勾选此选项在窗体缩小到指定大小时将自动折叠显示内容</source>
        <translation>Zur Kompaktansicht wechseln, wenn das Fenster klein wird</translation>
    </message>
    <message>
        <source>自动隐藏</source>
        <translation>Auto-Ausblenden</translation>
    </message>
    <message>
        <source>勾选此选项在粘贴内容完毕之后将自动隐藏窗口</source>
        <translation>Fenster nach dem Einfügen ausblenden</translation>
    </message>
    <message>
        <source>即时预览</source>
        <translation>Sofortvorschau</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Shift键直接预览复制内容</source>
        <translation>Beim Kopieren Umschalt gedrückt halten, um das Kopierte gleich anzuzeigen</translation>
    </message>
    <message>
        <source>即时搜索</source>
        <translation>Sofortsuche</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Ctrl+Shift键直接搜索复制内容</source>
        <translation>Beim Kopieren Strg+Umschalt gedrückt halten, um das Kopierte gleich zu suchen</translation>
    </message>
    <message>
        <source>移除格式</source>
        <translation>Ohne Formatierung</translation>
    </message>
    <message>
        <source>移除复制内容中的格式</source>
        <translation>Formatierung aus kopierten Inhalten entfernen</translation>
    </message>
    <message>
        <source>循环数目</source>
        <translation>Zykluslänge </translation>
    </message>
    <message>
        <source>滑动此处可设置全局热键按下时可循环选中最近的内容数目</source>
        <translation>Schieben, um festzulegen, wie viele der letzten Einträge das globale Tastenkürzel durchblättert</translation>
    </message>
    <message>
        <source>保存数目</source>
        <translation>Max. Einträge </translation>
    </message>
    <message>
        <source>滑动此处可设置当前能存储的剪贴板内容最大数目</source>
        <translation>Schieben, um die Höchstzahl gespeicherter Einträge festzulegen</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>存储类型</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>夜间模式</source>
        <translation>Dunkler Modus</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Hier klicken, um zum dunklen Modus zu wechseln</translation>
    </message>
    <message>
        <source>点按此处关闭夜间模式</source>
        <translation>Hier klicken, um den dunklen Modus auszuschalten</translation>
    </message>
    <message>
        <source>热键 ➝ </source>
        <translation>Tastenkürzel ➝ </translation>
    </message>
    <message>
        <source>按下当前全局热键</source>
        <translation>Drücken Sie </translation>
    </message>
    <message>
        <source>即可在任意编辑页面
呼出本剪贴板快速粘贴选中项目</source>
        <translation>, um in jedem Fenster
die Zwischenablage aufzurufen und schnell einzufügen</translation>
    </message>
</context>
</TS>
