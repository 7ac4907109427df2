<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>Double-click an item to paste it into the previous window</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>Click here to turn on the global hotkeys</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>Click here to turn off the global hotkeys</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>Set the hotkeys</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>Click a tab to set its hotkeys</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>Left: set the cycling hotkey. Right: set the fixed-slot hotkeys.</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>Enable hotkeys</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>Cycling hotkey</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>Copy the row under the mouse pointer</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>Or press Space 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>Copy file</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>Copy the files of all selected items</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Paste all selected rows, top to bottom, into the previous window</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>Or press Enter 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>Paste reversed</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Paste all selected rows, bottom to top, into the previous window</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>Paste mirrored</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>Paste the text mirrored, right to left, into the previous window</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>Open the files of all selected items in their default programs</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>Show it in a window that stays on top</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>Favorite</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>Mark the selected items as favorites
Favorites can only be deleted on the Favorites tab</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>Delete all selected rows
Or press Del 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5 hash</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>Get the MD5 hash of the current item</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64 encoding</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>Get the Base64 encoding of the current item</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Change how the program works</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Sync the clipboard history across all your devices</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>Encode</translation>
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
        <translation>Local list synced with the cloud</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>Clipboard recording resumed</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>Clipboard recording paused</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>Dark mode on</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>Light mode on</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  Selected </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> item</numerusform>
            <numerusform> items</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, copied </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform> time today</numerusform>
            <numerusform> times today</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>Nothing here yet.
Copy something with Ctrl+C to get started.</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  File copied to the clipboard</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>File copied to the clipboard</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>Delete selection?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>Click here to start recording the clipboard</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>Click here to pause recording the clipboard</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Click here to switch to dark mode</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>Click here to switch to light mode</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>Click here to open the settings</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>Click a tab to choose what the list shows</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Sync the clipboard history across all your devices</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Change how the program works</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>Deleted </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>Window title: </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>Created: </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>Modified: </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>[Image file]</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>Characters: </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>Copied </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - Default</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [Text, Image, File]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [Text, File, Image]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [Image, Text, File]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [Image, File, Text]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [File, Text, Image]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [File, Image, Text]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>Showing text</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>Showing images</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>Showing files</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>Showing everything</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> copied</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  Cannot encode several files at once</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>Can’t encode several files</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  Base64 of files is not supported yet</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>No Base64 for files yet</translation>
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
            <numerusform> favorite</numerusform>
            <numerusform> favorites</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  Image copied to the clipboard</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>Image copied to the clipboard</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  Text copied to the clipboard</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>Text copied to the clipboard</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform> item</numerusform>
            <numerusform> items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>Shortcut: Enter 🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>Shortcut: Esc 🪂</translation>
    </message>
</context>
</TS>
