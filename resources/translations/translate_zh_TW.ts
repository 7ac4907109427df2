<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>按兩下清單項目即可將內容自動貼上到之前的編輯視窗</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>點按此處開啟全域快速鍵</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>點按此處關閉全域快速鍵</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>請設定區域快速鍵</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>點按此處設定對應區域的快速鍵</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>點擊左側設定循環切換項目快速鍵，選取右側設定固定項目快速鍵</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>開啟快速鍵</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>循環快速鍵</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>複製目前滑鼠所在列的內容</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>附加快速鍵「Space」🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>複製檔案</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>複製目前所有選取內容所在的檔案</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>由上而下將滑鼠選取的所有列自動貼上到上一個編輯視窗</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>附加快速鍵「Enter」🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>反向貼上</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>由下而上將滑鼠選取的所有列自動貼上到上一個編輯視窗</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>翻轉貼上</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>將文字由右至左翻轉後貼上到上一個編輯視窗</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>使用預設程式開啟所有選取項目所在的檔案</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>釘選</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>以最上層視窗顯示圖片檔案</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>為選取的內容加上收藏標記
只能在收藏頁面中刪除</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>刪除滑鼠選取的所有列
附加快速鍵「Del」🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5 編碼</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>取得目前選項內容的 MD5</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64 編碼</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>取得目前選項內容的 Base64</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>設定程式的相關功能</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>在所有平台同步剪貼簿紀錄</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>編碼        MD5+BASE64</translation>
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
        <translation>本機清單已與雲端同步</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>剪貼簿記錄已恢復</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>剪貼簿記錄已暫停</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>夜間模式已開啟</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>日間模式已開啟</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  目前已選取 </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> 項內容</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation> ，今天已複製 </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform> 次</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>目前清單中暫無內容，
試著從別處 Ctrl+C 複製幾條吧~</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  檔案已複製到剪貼簿</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>檔案已經複製到剪貼簿</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>確定刪除？</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>點按此處開啟剪貼簿記錄</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>點按此處暫停剪貼簿記錄</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>點按此處開啟夜間模式</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>點按此處開啟日間模式</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>點按此處開啟設定介面</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>請輸入搜尋內容</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>點按此處不同區域切換顯示類型</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>在所有平台同步剪貼簿紀錄</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>設定程式的相關功能</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>結束程式</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>已刪除</translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>視窗標題：</translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>建立日期：</translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>最後修改：</translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>「圖片檔案」</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>字元長度：</translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>今天已複製 </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - 預設</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [文字、圖片、檔案]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [文字、檔案、圖片]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [圖片、文字、檔案]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [圖片、檔案、文字]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [檔案、文字、圖片]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [檔案、圖片、文字]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>已選擇顯示文字</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>已選擇顯示圖片</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>已選擇顯示檔案</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>已選擇全部顯示</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>已選擇顯示收藏</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation>編碼已複製</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  無法對多個檔案編碼</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>無法對多個檔案編碼</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  暫時無法對檔案進行 base64</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>暫時無法對檔案進行 base64</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>增加</translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform>條收藏</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  圖片已複製到剪貼簿</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>圖片已經複製到剪貼簿</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  文字已複製到剪貼簿</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>文字已經複製到剪貼簿</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform>條內容</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>預覽</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>快速鍵「Enter」🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>快速鍵「Esc」🪂</translation>
    </message>
</context>
</TS>
