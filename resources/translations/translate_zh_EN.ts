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
    <name>login_widget</name>
    <message>
        <source>尚未登录</source>
        <translation>Not logged in</translation>
    </message>
    <message>
        <source>请先输入有效账号或密码</source>
        <translation>Fill in both fields</translation>
    </message>
    <message>
        <source>暂时无法连接服务器</source>
        <translation>Can’t reach the server</translation>
    </message>
    <message>
        <source>请检查当前网络是否顺畅</source>
        <translation>Check your network connection</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>已经成功连接服务器</source>
        <translation>Connected to the server</translation>
    </message>
    <message>
        <source>更新列表中..</source>
        <translation>Updating the list…</translation>
    </message>
    <message>
        <source>请检查账号与密码</source>
        <translation>Check your login details</translation>
    </message>
    <message>
        <source>账号或密码输入有误</source>
        <translation>Wrong account or password</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>Account created</translation>
    </message>
    <message>
        <source>现在可以开始登录了</source>
        <translation>You can log in now</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Sign-up failed</translation>
    </message>
    <message>
        <source>更换账号名称再试一试</source>
        <translation>Try a different account name</translation>
    </message>
    <message>
        <source>更新完毕</source>
        <translation>List updated</translation>
    </message>
    <message>
        <source>当前列表内容已与云上同步</source>
        <translation>The list is synced with the cloud</translation>
    </message>
    <message>
        <source>登录失败次数过多，服务器已断开连接</source>
        <translation>Too many tries; disconnected</translation>
    </message>
    <message>
        <source>版本过低，服务器已断开连接</source>
        <translation>Version too old; disconnected</translation>
    </message>
    <message>
        <source>账号已停用，服务器已断开连接</source>
        <translation>Account disabled; disconnected</translation>
    </message>
    <message>
        <source>云端空间已满，服务器已断开连接</source>
        <translation>Cloud full; disconnected</translation>
    </message>
    <message>
        <source>服务器拒绝登录</source>
        <translation>Login refused</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Log in automatically</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Sign up</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>输入账户</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>勾选此选项启动程序时将自动登录</source>
        <translation>Log in automatically when the program starts</translation>
    </message>
    <message>
        <source>如果尚未注册账号请先注册</source>
        <translation>No account yet? Sign up first.</translation>
    </message>
    <message>
        <source>注册后请输入账号密码登录</source>
        <translation>Then log in with your account and password.</translation>
    </message>
    <message>
        <source>更新内容需要一段时间
</source>
        <translation>Updating may take a while
</translation>
    </message>
    <message>
        <source>更新完毕之后将自动刷新内容列表</source>
        <translation>The list refreshes by itself when it is done</translation>
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
    <message>
        <source>需要更新，前往下载？</source>
        <translation>Download the update?</translation>
    </message>
    <message>
        <source>历史记录无法保存</source>
        <translation>History could not be saved</translation>
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
<context>
    <name>settings_widget</name>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文本</source>
        <translation>Record copied text</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的图片</source>
        <translation>Record copied images</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文件路径</source>
        <translation>Record the paths of copied files</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Launch at startup</translation>
    </message>
    <message>
        <source>勾选此选项程序将跟随系统启动</source>
        <translation>Start the program with the system</translation>
    </message>
    <message>
        <source>全屏冻结</source>
        <translation>Off in full screen</translation>
    </message>
    <message>
        <source>勾选此选项在游戏等全屏模式下剪贴板快捷键将被禁用</source>
        <translation>Turn off the clipboard hotkeys while a game or other program is full screen</translation>
    </message>
    <message>
        <source>添加换行</source>
        <translation>Add line break</translation>
    </message>
    <message>
        <source>勾选此选项将在粘贴内容结束位置自动补充换行</source>
        <translation>End each paste with a line break</translation>
    </message>
    <message>
        <source>跨屏粘贴</source>
        <translation>Cross-device paste</translation>
    </message>
    <message>
        <source>勾选此选项且此机器已登录
在另一台机器上登录后复制
即可在本机直接粘贴</source>
        <translation>With this computer logged in,
what you copy on another logged-in computer
can be pasted here directly</translation>
    </message>
    <message>
        <source>自动粘贴</source>
        <translation>Auto paste</translation>
    </message>
    <message>
        <source>勾选此选项在主界面双击列表选项或以热键选中内容完毕时
将自动粘贴选中内容到上个编辑窗口</source>
        <translation>When you double-click an item or pick one with a hotkey,
paste it into the previous window</translation>
    </message>
    <message>
        <source>图片预览</source>
        <translation>Image preview</translation>
    </message>
    <message>
        <source>勾选此选项鼠标在图片选项上时将自动弹出预览界面</source>
        <translation>Show a preview when the pointer is over an image</translation>
    </message>
    <message>
        <source>点按此处设置预览图片时的图片缩小倍数</source>
        <translation>Click here to set how much previews shrink images</translation>
    </message>
    <message>
        <source>点按此处设置搜索引擎 [B - baidu, G - google]</source>
        <translation>Click here to choose the search engine [B - Baidu, G - Google]</translation>
    </message>
    <message>
        <source>折叠显示</source>
        <translation>Compact view</translation>
    </message>
    <message>
        <source>勾选此选项时文本将折叠成单行显示
图片将以小图显示</source>
        <translation>Show each text on a single line
and images as thumbnails</translation>
    </message>
    <message>
        <source>自动折叠</source>
        <translation>Auto compact</translation>
    </message>
    <message>
        <source>勾选此选项在窗体缩小到指定大小时将自动折叠显示内容</source>
        <translation>Switch to the compact view when the window gets small</translation>
    </message>
    <message>
        <source>自动隐藏</source>
        <translation>Auto hide</translation>
    </message>
    <message>
        <source>勾选此选项在粘贴内容完毕之后将自动隐藏窗口</source>
        <translation>Hide the window after pasting</translation>
    </message>
    <message>
        <source>即时预览</source>
        <translation>Instant preview</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Shift键直接预览复制内容</source>
        <translation>Hold Shift while copying to preview what you copied</translation>
    </message>
    <message>
        <source>即时搜索</source>
        <translation>Instant search</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Ctrl+Shift键直接搜索复制内容</source>
        <translation>Hold Ctrl+Shift while copying to search the web for what you copied</translation>
    </message>
    <message>
        <source>移除格式</source>
        <translation>Plain text</translation>
    </message>
    <message>
        <source>移除复制内容中的格式</source>
        <translation>Remove the formatting from copied content</translation>
    </message>
    <message>
        <source>循环数目</source>
        <translation>Items to cycle </translation>
    </message>
    <message>
        <source>滑动此处可设置全局热键按下时可循环选中最近的内容数目</source>
        <translation>Slide to set how many recent items the global hotkey cycles through</translation>
    </message>
    <message>
        <source>保存数目</source>
        <translation>Items to keep </translation>
    </message>
    <message>
        <source>滑动此处可设置当前能存储的剪贴板内容最大数目</source>
        <translation>Slide to set how many clipboard items are kept at most</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>存储类型</source>
        <translation>What to record</translation>
    </message>
    <message>
        <source>夜间模式</source>
        <translation>Dark mode</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Click here to switch to dark mode</translation>
    </message>
    <message>
        <source>点按此处关闭夜间模式</source>
        <translation>Click here to turn off dark mode</translation>
    </message>
    <message>
        <source>热键 ➝ </source>
        <translation>Hotkey ➝ </translation>
    </message>
    <message>
        <source>按下当前全局热键</source>
        <translation>Press </translation>
    </message>
    <message>
        <source>即可在任意编辑页面
呼出本剪贴板快速粘贴选中项目</source>
        <translation> in any window
to bring up the clipboard and paste an item quickly</translation>
    </message>
</context>
</TS>
