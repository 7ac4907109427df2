<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>項目をダブルクリックすると前のウィンドウに貼り付けます</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>クリックしてグローバルホットキーをオンにします</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>クリックしてグローバルホットキーをオフにします</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>ホットキーの設定</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>タブをクリックしてそのホットキーを設定します</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>左をクリックすると循環ホットキー、右を選ぶと固定スロットのホットキーを設定します</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>ホットキーを有効化</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>循環ホットキー</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>マウスポインターのある行の内容をコピー</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>「Space」キーでも可 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>ファイルコピー</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>選択したすべての項目のファイルをコピー</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>選択したすべての行を上から順に前のウィンドウへ貼り付け</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>「Enter」キーでも可 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>逆順で貼り付け</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>選択したすべての行を下から順に前のウィンドウへ貼り付け</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>反転貼り付け</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>テキストを右から左へ反転して前のウィンドウへ貼り付け</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>選択したすべての項目のファイルを既定のプログラムで開く</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>ピン留め</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>最前面のウィンドウに表示</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>選択した項目をお気に入りに登録
お気に入りはお気に入りタブでのみ削除できます</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>選択したすべての行を削除
「Del」キーでも可 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5 ハッシュ</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>現在の項目の MD5 を取得</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64 エンコード</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>現在の項目の Base64 を取得</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>プログラムの機能を設定します</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>クリップボード履歴をすべてのデバイスで同期します</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>エンコード</translation>
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
        <translation>一覧をクラウドと同期しました</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>記録を再開しました</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>記録を一時停止しました</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>ダークモードにしました</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>ライトモードにしました</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  選択中: </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> 件</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>、本日のコピー: </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform> 回</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>まだ何もありません。
Ctrl+C で何かコピーしてみましょう～</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  ファイルをクリップボードにコピーしました</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>ファイルをコピーしました</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>削除しますか？</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>クリックしてクリップボードの記録を開始します</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>クリックしてクリップボードの記録を一時停止します</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>クリックしてダークモードにします</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>クリックしてライトモードにします</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>クリックして設定を開きます</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>タブをクリックして表示する種類を切り替えます</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>クリップボード履歴をすべてのデバイスで同期します</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>プログラムの機能を設定します</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>削除済み: </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>ウィンドウタイトル：</translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>作成日時：</translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>更新日時：</translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>「画像ファイル」</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>文字数：</translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>本日のコピー: </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - 既定</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [テキスト、画像、ファイル]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [テキスト、ファイル、画像]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [画像、テキスト、ファイル]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [画像、ファイル、テキスト]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [ファイル、テキスト、画像]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [ファイル、画像、テキスト]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>テキストを表示</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>画像を表示</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>ファイルを表示</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>すべてを表示</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> をコピーしました</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  複数のファイルはエンコードできません</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>複数のファイルはエンコードできません</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  ファイルの Base64 にはまだ対応していません</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>ファイルの Base64 は未対応です</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>解除 </translation>
    </message>
    <message>
        <source>增加</source>
        <translation>追加 </translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform> 件（お気に入り）</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  画像をクリップボードにコピーしました</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>画像をコピーしました</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  テキストをクリップボードにコピーしました</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>テキストをコピーしました</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform> 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>否</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>ショートカット「Enter」🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>ショートカット「Esc」🪂</translation>
    </message>
</context>
</TS>
